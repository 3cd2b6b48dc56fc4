#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace gb {

// What adding images stores of one image file: its thumbnail (the bytes of a quality-100
// JPEG of at most 80 x 80 pixels, never enlarged), its last-change date, the size of the
// whole image as decoded and the file's size in bytes.
struct ThumbRecord
{
    QByteArray jpeg;
    QDate date;
    int width = 0;
    int height = 0;
    qint64 size = 0;
};

// The catalog's thumbnail box.
constexpr int kArchiveThumbBox = 80;

// Makes the thumbnail record of a file (full path). The picture is decoded once at a
// reduced scale, fitted into the box and encoded in memory. False with the error text set
// when it cannot be made: "File: " + file + " Error: " + the loader's text +
// " - Thumbnail not added" when the file does not load, "File: " + file + " Failed to create
// temporary thumbnail file - Thumbnail not added" when it cannot be encoded. Safe to call
// from several threads at once.
bool createThumb(const QString &file, ThumbRecord &record, QString &errorText);

} // namespace gb
