#include "gallery/hgallery.h"

#include "common/batchprogress.h"
#include "common/htmltext.h"
#include "common/orderedwork.h"
#include "gallery/galleryutil.h"
#include "image/imageload.h"

#include <QFileInfo>

namespace gb {

namespace {

// Width and height of an image file as decimal text, read from its header; both empty
// when the file is missing or its dimensions cannot be read.
std::pair<QString, QString> imageDims(const QString &path)
{
    int width = 0, height = 0, bits = 0;
    QString error;
    if (!getImageDims(path, width, height, bits, error))
        return {};
    return {QString::number(width), QString::number(height)};
}

} // namespace

GalleryPages HGallery::createVirtualPages(const QStringList &thumbs, const QStringList &fulls,
                                          const GalleryTitles &titles)
{
    mCPageExt = htmlExt();
    const int n = int(thumbs.size());
    const bool haveFulls = !fulls.isEmpty();

    // The files' headers are read on the workers, two files an image, while this thread
    // serves events and watches for an abort.
    std::vector<GalleryImage> images(static_cast<size_t>(n));
    OrderedWork pool(n, workerThreads(), [&](int i) {
        GalleryImage &image = images[size_t(i)];
        image.thumbFile = thumbs.at(i);
        std::tie(image.thumbWidth, image.thumbHeight) = imageDims(image.thumbFile);
        if (haveFulls && i < fulls.size()) {
            image.fullFile = fulls.at(i);
            std::tie(image.fullWidth, image.fullHeight) = imageDims(image.fullFile);
            const QFileInfo info(image.fullFile);
            image.byteSize = info.isFile() ? info.size() : 0;
        }
    });
    for (int i = 0; i < n; ++i) {
        pool.take(i);
        if (glAbortBatch)
            return {};
    }

    GalleryPages pages;
    const qint64 perPage = imagesPerPage();
    const int pageCount = thumbPageCount(n);
    for (int p = 1; p <= pageCount; ++p) {
        GalleryPage page;
        page.name = createThumbPageName(p);
        const int last = int(std::min<qint64>(p * perPage, n));
        for (int i = int((p - 1) * perPage) + 1; i <= last; ++i) {
            GalleryImage &image = images[size_t(i - 1)];
            if (haveFulls && i <= fulls.size())
                image.fullPage = guessFullSizeImagePageName(image.fullFile, i);
            if (size_t(i) <= titles.size()) {
                image.title = titles[i - 1].first;
                image.comment = titles[i - 1].second;
            }
            page.images.push_back(std::move(image));
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

qint64 HGallery::imagesPerPage() const
{
    return qint64(std::max(1, thRows())) * std::max(1, thColumns());
}

int HGallery::thumbPageCount(int n) const
{
    const qint64 perPage = imagesPerPage();
    return int(n / perPage + (n % perPage ? 1 : 0));
}

QString HGallery::pageFileName(int n, int naming, const QString &baseName) const
{
    QString number = QString::number(qint64(n) + autoNumericStart() - 1);
    const int pad = galleryPadWidth(namePadChars());
    if (pad > 0 && number.size() < pad)
        number = QString(pad - number.size(), QLatin1Char('0')) + number;
    QString name = (naming == 4 ? baseName + number : number + baseName) + mCPageExt;
    if (namingCasing() == 1)
        name = name.toLower();
    else if (namingCasing() == 2)
        name = name.toUpper();
    return name;
}

QString HGallery::createThumbPageName(int n) const
{
    return pageFileName(n, thPgNaming(), thPgBaseName());
}

QString HGallery::createFullSizePageName(int n) const
{
    return pageFileName(n, fsPgNaming(), fsPgBaseName());
}

QString HGallery::guessFullSizeImagePageName(const QString &, int n) const
{
    return createFullSizePages() ? createFullSizePageName(n) : QString();
}

QString HGallery::relativePathFromTo(const QString &file, const QString &from, const QString &to)
{
    // Every subfolder lies directly below the base folder, so one level up always reaches it.
    const QString name = urlPart(galleryFileName(file));
    if (from == to)
        return name;
    if (from.isEmpty())
        return urlPart(to) + QLatin1Char('/') + name;
    if (to.isEmpty())
        return QStringLiteral("../") + name;
    return QStringLiteral("../") + urlPart(to) + QLatin1Char('/') + name;
}

QString HGallery::thPg2ThIm(const QString &file) const { return relativePathFromTo(file, thPgSubFolder(), thImSubFolder()); }
QString HGallery::thPg2FsPg(const QString &file) const { return relativePathFromTo(file, thPgSubFolder(), fsPgSubFolder()); }
QString HGallery::thPg2FsIm(const QString &file) const { return relativePathFromTo(file, thPgSubFolder(), fsImSubFolder()); }
QString HGallery::thPg2Aux(const QString &file) const { return relativePathFromTo(file, thPgSubFolder(), auxSubFolder()); }
QString HGallery::fsPg2FsIm(const QString &file) const { return relativePathFromTo(file, fsPgSubFolder(), fsImSubFolder()); }
QString HGallery::fsPg2ThPg(const QString &file) const { return relativePathFromTo(file, fsPgSubFolder(), thPgSubFolder()); }
QString HGallery::fsPg2Aux(const QString &file) const { return relativePathFromTo(file, fsPgSubFolder(), auxSubFolder()); }
QString HGallery::miPg2ThIm(const QString &file) const { return relativePathFromTo(file, QString(), thImSubFolder()); }
QString HGallery::miPg2ThPg(const QString &file) const { return relativePathFromTo(file, QString(), thPgSubFolder()); }
QString HGallery::miPg2Aux(const QString &file) const { return relativePathFromTo(file, QString(), auxSubFolder()); }

QString HGallery::thPg2MasterIndexPage() const
{
    if (!createMasterIndex())
        return QString();
    const QString name = urlPart(masterIndexPage() + mCPageExt);
    return thPgSubFolder().isEmpty() ? name : QStringLiteral("../") + name;
}

QString HGallery::folderPath(const QString &subFolder) const
{
    return subFolder.isEmpty() ? baseFolder() : baseFolder() + subFolder + QLatin1Char('/');
}

QString HGallery::thumbPagePath(const QString &name) const
{
    return folderPath(thPgSubFolder()) + name;
}

QString HGallery::fullSizePagePath(const QString &name) const
{
    return folderPath(fsPgSubFolder()) + name;
}

QString HGallery::masterIndexPath() const
{
    return baseFolder() + masterIndexPage() + mCPageExt;
}

} // namespace gb
