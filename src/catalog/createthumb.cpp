#include "catalog/createthumb.h"

#include "image/imagetypes.h"
#include "image/thumbnail.h"
#include "platform/imagelib/imagelib.h"

#include <QDateTime>
#include <QFileInfo>

namespace gb {

bool createThumb(const QString &file, ThumbRecord &record, QString &errorText)
{
    errorText.clear();
    QString loadError;
    RgbImage thumb = createFittedRgbFromFile(file, kArchiveThumbBox, kArchiveThumbBox, record.width,
                                             record.height, loadError);
    if (thumb.isNull()) {
        errorText = QStringLiteral("File: ") + file + QStringLiteral(" Error: ") + loadError
                    + QStringLiteral(" - Thumbnail not added");
        return false;
    }
    WriteOptions options;
    options.jpegQuality = 100;
    options.progressive = false;
    int error = 0;
    record.jpeg.clear();
    if (!writeImage(thumb, ImageTypeJpg, record.jpeg, error, options) || record.jpeg.isEmpty()) {
        errorText = QStringLiteral("File: ") + file
                    + QStringLiteral(" Failed to create temporary thumbnail file - Thumbnail not added");
        return false;
    }
    const QFileInfo info(file);
    record.date = info.lastModified().toLocalTime().date();
    record.size = info.size();
    return true;
}

} // namespace gb
