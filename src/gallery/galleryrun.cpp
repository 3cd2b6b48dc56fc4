#include "gallery/hgallery.h"

#include "common/batchprogress.h"
#include "common/eventpacer.h"
#include "common/safefile.h"
#include "common/uiseam.h"

#include <QFileInfo>

namespace gb {

namespace {

bool made(const QString &output)
{
    return !output.isEmpty() && QFileInfo(output).isFile();
}

// Leaves out of the page lists every image whose thumbnail or full-size image was not made,
// with its title: a cell for it would link files that are not there.
void dropFailedImages(QStringList &thumbs, QStringList &fulls, GalleryTitles &titles)
{
    QStringList keptThumbs, keptFulls;
    GalleryTitles keptTitles;
    EventPacer pacer;
    for (qsizetype i = 0; i < thumbs.size(); ++i) {
        pacer.serve();
        if (!made(thumbs[i]) || (i < fulls.size() && !made(fulls[i])))
            continue;
        keptThumbs << thumbs[i];
        if (i < fulls.size())
            keptFulls << fulls[i];
        if (size_t(i) < titles.size())
            keptTitles.push_back(titles[size_t(i)]);
    }
    thumbs = keptThumbs;
    fulls = keptFulls;
    titles = keptTitles;
}

} // namespace

GalleryRunResult HGallery::generate(const QStringList &sources, const GalleryTitles &titles)
{
    GalleryRunResult result;
    result.problems = validate(sources);
    if (!result.problems.isEmpty()) {
        ui().reportErrors(mOOwner, result.problems);
        return result;
    }
    // Pages and images of a killed run were never moved into place; their temporary files go.
    const QStringList folders = {baseFolder(), folderPath(thPgSubFolder()), folderPath(fsPgSubFolder()),
                                 folderPath(auxSubFolder())};
    runAside([&folders] { removeDeadLeftovers(folders, Leftover::Write); });
    // An abort ends the run in the phase it happened in; what was written stays.
    QStringList thumbs, fulls;
    if (makeImages(sources, thumbs, fulls, &result.failures)) {
        GalleryTitles kept = titles;
        dropFailedImages(thumbs, fulls, kept);
        const GalleryPages pages = createVirtualPages(thumbs, fulls, kept);
        if (!glAbortBatch)
            createHtmlPages(pages, &result.failures);
    }
    result.aborted = glAbortBatch;
    if (!result.aborted && !result.failures.isEmpty())
        ui().reportErrors(mOOwner, result.failures);
    return result;
}

} // namespace gb
