#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QString>
#include <QVariant>

#include <vector>

namespace gb {

// One entry of a thumbnail grid. The caller gives the path (or its own record key), the
// caption and the selected flag; the grid fills in the rest as it shows the item: the
// thumbnail, the size of the whole image and the thumbnail's size. Only thumbnails are kept,
// never the whole image. extra carries a subclass's own data.
struct ThumbItem
{
    QString path;
    QString caption;
    bool selected = false;
    RgbImage thumb;
    int imageWidth = 0;
    int imageHeight = 0;
    int thumbWidth = 0;
    int thumbHeight = 0;
    QVariant extra;

    ThumbItem() = default;
    ThumbItem(QString p, QString c, bool s = false)
        : path(std::move(p)), caption(std::move(c)), selected(s)
    {
    }
};
using ThumbItems = std::vector<ThumbItem>;

} // namespace gb
