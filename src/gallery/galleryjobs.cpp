#include "gallery/hgallery.h"

#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "batch/be.h"
#include "gallery/galleryutil.h"

namespace gb {

namespace {

// The settings of one image phase that fill a batch job.
struct PhaseSettings
{
    int format;
    QString folder;
    int naming;
    QString appendName;
    QString suffix;
    QString prefix;
    int quality;
    bool progressive;
};

// Every slot of the job is set: the job's own defaults never show through.
Be makeJob(QWidget *owner, const PhaseSettings &phase, const HGallery &g, std::vector<BatchCommand> script)
{
    Be job(owner);
    job.setFinalFormat(phase.format);
    job.setFinalFormatRo(phase.format);
    job.setFinalFolder(phase.folder);
    job.setNaming(phase.naming);
    job.setStdName(phase.appendName);
    job.setStdSuffix(phase.suffix);
    job.setStdPrefix(phase.prefix);
    job.setJpgQuality(phase.quality);
    job.setJpgProg(phase.progressive);
    job.setOverwrite(g.overwrite());
    job.setEnumStart(g.autoNumericStart());
    job.setEnumLength(galleryPadWidth(g.namePadChars()));
    job.setCommands(std::move(script));
    job.setShowThumbs(g.showThumbs());
    return job;
}

// The path a job writes for each source, numbered by the source's place in the list.
QStringList outputPaths(const Be &job, const QStringList &sources)
{
    QStringList paths;
    for (int i = 0; i < sources.size(); ++i)
        paths << job.findNewName(sources[i], i + 1);
    return paths;
}

} // namespace

Be HGallery::thumbsJob() const
{
    // The resize command heads the script; the user's thumbnail script follows it.
    std::vector<BatchCommand> script{BatchCommand(ValueArray{Value(int(ActionResize)), Value(getActionDesc(ActionResize)),
                                                             Value(thResize()), Value(thWidth()), Value(thHeight()),
                                                             Value(0)})};
    for (BatchCommand &command : commandsFromValue(Value(thumbCommands())))
        script.push_back(std::move(command));
    return makeJob(mOOwner,
                   {thFormat(), folderPath(thImSubFolder()), thImNaming(), thImStdName(), thImSuffix(), thImPrefix(),
                    thImQuality(), thImProgressive()},
                   *this, std::move(script));
}

Be HGallery::finalImagesJob() const
{
    return makeJob(mOOwner,
                   {fsImFormat(), folderPath(fsImSubFolder()), fsImNaming(), fsImStdAppendName(), fsImStdSuffix(),
                    fsImStdPrefix(), fsImQuality(), fsImProgressive()},
                   *this, commandsFromValue(Value(fsCommands())));
}

QStringList HGallery::thumbOutputPaths(const QStringList &sources) const
{
    return outputPaths(thumbsJob(), sources);
}

QStringList HGallery::fullSizeOutputPaths(const QStringList &sources) const
{
    return outputPaths(finalImagesJob(), sources);
}

} // namespace gb
