#pragma once

#include "image/imagethumbswin.h"

namespace gb {

// The right pane of the catalog window: the images of one catalogued folder as captioned
// thumbnails, drawn from the JPEG bytes stored in their records, never from the files (their
// disks may be out of the machine). An item's path is the drive-less path (folder + file
// name) and its caption the file name; a click on a caption selects by file name (the first
// item of that name), a click on a picture reports imageClicked with the item's path.
// Stored bytes that do not decode leave an empty cell.
class ArchiveThumbsWin : public ImageThumbsWin
{
    Q_OBJECT
public:
    explicit ArchiveThumbsWin(QWidget *owner);

    // One image of a folder: {folder, file name, selected flag, stored JPEG bytes}.
    struct Record
    {
        QString folder;
        QString fileName;
        bool selected = false;
        QByteArray jpeg;
    };
    void changeRecords(const std::vector<Record> &records);

    void mouseClickOnImage(const QString &path) override;

signals:
    void imageClicked(const QString &path);

protected:
    bool loadThumbnail(ThumbItem &item, int boxW, int boxH) override;
};

} // namespace gb
