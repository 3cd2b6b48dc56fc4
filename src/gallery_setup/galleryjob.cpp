#include "gallery_setup/galleryjob.h"

namespace gb {

void GalleryJob::run(const QStringList &files)
{
    HGallery copy = mGallery;
    const QStringList sources = files;
    const GalleryTitles titles = mTitles;
    mLastResult = copy.generate(sources, titles);
}

} // namespace gb
