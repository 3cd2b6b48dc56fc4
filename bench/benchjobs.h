#pragma once

// The jobs the benchmarks time, set up once for all of them.

#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "batch/be.h"
#include "gallery/hgallery.h"
#include "sheets/hcomposite.h"

namespace gbbench {

// The batch job: Resize best fit into 640 x 640, baseline JPEG of quality 80, into folder.
inline gb::Be batchJob(const QString &folder)
{
    gb::Be job;
    job.setFinalFolder(folder + "/");
    job.setFinalFormat(3);
    job.setJpgQuality(80);
    job.setJpgProg(false);
    job.setNaming(1);
    job.setOverwrite(1);
    job.setCommands({gb::BatchCommand::make(gb::ActionResize, {1, 640, 640, 0, true})});
    return job;
}

// The gallery: thumbnails at 120 x 120 best fit and a full-size script of one Resize best
// fit 800 x 800, baseline JPEG of quality 80 for both, under base.
inline gb::HGallery galleryJob(const QString &base)
{
    gb::HGallery g;
    g.setBaseFolder(base);
    g.setThWidth(120);
    g.setThHeight(120);
    g.setThImQuality(80);
    g.setThImProgressive(false);
    g.setFsImQuality(80);
    g.setFsImProgressive(false);
    g.setFsCommands({gb::BatchCommand::make(gb::ActionResize, {1, 800, 800, 0}).toValue()});
    g.setOverwrite(1);
    g.setLaunchHtml(false);
    return g;
}

// Contact sheets of 100 x 100 cells, without information lines, into folder.
inline gb::HComposite sheetsJob(const QString &folder)
{
    gb::HComposite job;
    job.setImageSize(3);
    job.setFolder(folder);
    job.setThumbWidth(100);
    job.setThumbHeight(100);
    job.setInfo({});
    job.setOverwrite(1);
    return job;
}

} // namespace gbbench
