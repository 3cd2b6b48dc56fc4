#pragma once

#include <QDateTime>
#include <QString>

namespace gb {

// What the file properties dialog shows about one file, gathered before it opens. A value
// that cannot be had stays empty.

// A file time (UTC, as the file system keeps it) as weekday, date in the program's date
// format and 24-hour time, all in UTC: "Wed, 01/09/2002 14:05:09". Empty for an invalid time.
QString fileTime2MyFormat(const QDateTime &utc);

struct GeneralProperties
{
    QString location; // the folder, with its final "/"
    QString fileName;
    QString size;     // bytes; empty when the file cannot be opened
    QString msDosName;
    QString created;  // empty where the file system keeps no creation time
    QString modified;
    QString accessed;
    bool attributesRead = false;
    bool readOnly = false;
    bool archive = false;
    bool hidden = false;
    bool system = false;
};
GeneralProperties generalProperties(const QString &file);

struct ImageProperties
{
    QString width;
    QString height;
    QString colors;   // distinct colours of the decoded image
    QString pixDepth; // bits per pixel from the header; "24" when the header gives none
    QString ramUsed;  // memory of a copy in memory, in whole kb: "900 kb"
};
// Reads the header, then decodes the image once to count its colours.
ImageProperties imageProperties(const QString &file);

} // namespace gb
