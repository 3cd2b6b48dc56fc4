#pragma once

#include <QByteArray>
#include <QString>

namespace gb {

// Text for the HTML the program writes (gallery pages, the splitter's table). Those pages
// are pure ASCII, whatever the names and texts in them.

// The text with every character above 127 written as a numeric character reference
// ("é" becomes "&#233;"); markup and ASCII pass unchanged.
QString asciiHtml(const QString &text);

// asciiHtml() as the bytes of a page file.
QByteArray asciiPage(const QString &text);

// A value to stand between the double quotes of an attribute: "&", "<", ">" and '"' escaped,
// then pure ASCII as asciiHtml() makes it.
QString htmlAttribute(const QString &text);

// One part of a link (a file or folder name) percent-encoded as UTF-8: every byte but
// letters, digits and "-._~" becomes %XX, so "100%2.png" links as "100%252.png". A "/"
// is encoded too; join the parts of a path with it yourself.
QString urlPart(const QString &name);

} // namespace gb
