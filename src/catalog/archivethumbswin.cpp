#include "catalog/archivethumbswin.h"

#include "image/thumbnail.h"

namespace gb {

ArchiveThumbsWin::ArchiveThumbsWin(QWidget *owner) : ImageThumbsWin(owner, 5, 5, QStringLiteral("ArchiveCMenu"))
{
    mBoxWidth = mBoxHeight = 80;
    mPumpEvents = false;
    arrangeControls(true);
}

void ArchiveThumbsWin::changeRecords(const std::vector<Record> &records)
{
    ThumbItems items;
    items.reserve(records.size());
    for (const Record &r : records) {
        ThumbItem item(r.folder + r.fileName, r.fileName, r.selected);
        item.extra = r.jpeg;
        items.push_back(std::move(item));
    }
    changeData(std::move(items));
}

void ArchiveThumbsWin::mouseClickOnImage(const QString &path)
{
    emit imageClicked(path);
}

bool ArchiveThumbsWin::loadThumbnail(ThumbItem &item, int boxW, int boxH)
{
    int width = 0, height = 0;
    QString error;
    RgbImage thumb = createFittedRgbFromString(item.extra.toByteArray(), boxW, boxH, width, height, error);
    return storeThumbnail(item, std::move(thumb), width, height);
}

} // namespace gb
