#include "gallery/hgallery.h"

#include "common/batchprogress.h"
#include "common/uiseam.h"

namespace gb {

GalleryRunResult HGallery::generate(const QStringList &sources, const GalleryTitles &titles)
{
    GalleryRunResult result;
    result.problems = validate(sources);
    if (!result.problems.isEmpty()) {
        ui().reportErrors(mOOwner, result.problems);
        return result;
    }
    // An abort ends the run after the phase it happened in; what was written stays.
    QStringList thumbs, fulls;
    if (makeImages(sources, thumbs, fulls, &result.failures))
        createHtmlPages(createVirtualPages(thumbs, fulls, titles), &result.failures);
    result.aborted = glAbortBatch;
    if (!result.aborted && !result.failures.isEmpty())
        ui().reportErrors(mOOwner, result.failures);
    return result;
}

} // namespace gb
