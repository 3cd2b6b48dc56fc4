#include "catalog/addimages.h"

#include "catalog/catalogpaths.h"
#include "catalog/createthumb.h"
#include "common/drives.h"
#include "common/messages.h"
#include "platform/imagelib/parallel.h"

#include <QHash>
#include <QThread>
#include <QThreadPool>

#include <functional>
#include <future>
#include <memory>

namespace gb {

namespace {

struct Made
{
    bool ok = false;
    ThumbRecord record;
    QString error;
};

// Pictures decoded ahead of the writer, on a bounded pool. A file is given to the pool at
// most once; the writer takes the results in list order.
class ThumbPipeline
{
public:
    ThumbPipeline(const QStringList &files, int threads) : mFiles(files)
    {
        mPool.setMaxThreadCount(threads > 0 ? threads : std::max(1, QThread::idealThreadCount()));
        mAhead = 2 * mPool.maxThreadCount();
        mFutures.resize(size_t(files.size()));
    }
    ~ThumbPipeline() { mPool.waitForDone(); }

    // Starts the pictures from index on that the writer will want soon.
    void fillFrom(int index, const std::function<bool(int)> &wanted)
    {
        for (int i = index; i < mFiles.size() && i < index + mAhead; ++i) {
            if (mFutures[size_t(i)].valid() || !wanted(i))
                continue;
            auto task = std::make_shared<std::packaged_task<Made()>>([file = mFiles.at(i)] {
                Made m;
                m.ok = createThumb(file, m.record, m.error);
                return m;
            });
            mFutures[size_t(i)] = task->get_future();
            mPool.start([task] { (*task)(); });
        }
    }

    Made take(int index, AddImagesHost &host)
    {
        std::future<Made> &f = mFutures[size_t(index)];
        if (!f.valid()) {
            Made m;
            m.ok = createThumb(mFiles.at(index), m.record, m.error);
            return m;
        }
        while (f.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
            host.idle();
        return f.get();
    }

private:
    QStringList mFiles;
    QThreadPool mPool;
    int mAhead = 2;
    std::vector<std::future<Made>> mFutures;
};

void writeThumbFields(ArchServer &server, const ThumbRecord &r)
{
    server.fieldPut(QStringLiteral("MODDATE"), Value::date(r.date));
    server.fieldPut(QStringLiteral("SIZE"), double(r.size));
    server.fieldPut(QStringLiteral("WIDTH"), r.width);
    server.fieldPut(QStringLiteral("HEIGHT"), r.height);
    server.fieldPut(QStringLiteral("COMMENTS"), QString());
    server.fieldPut(QStringLiteral("RGB"), Value::bytes(r.jpeg));
}

} // namespace

AddImagesResult addGroupOfImages(QWidget *owner, ArchServer &server, const QStringList &files, bool refresh,
                                 AddImagesHost &host, int threads)
{
    AddImagesResult result;
    host.start(int(files.size()));
    // Each picture is made on one core: the pool gives the parallelism, and pixel operations
    // splitting themselves over every core as well would only oversubscribe the machine.
    const int opThreads = imageOpThreads();
    setImageOpThreads(1);
    ThumbPipeline pipeline(files, threads);

    // A drive's kind and label are read once per run: reading them means the mount table,
    // the registry and the device links. A label given for an unlabelled drive is kept for
    // it (the label dialog stored it), so its later files are not asked again.
    const QStringList drives = getValidDrives();
    struct DriveFacts { QString media, label; };
    QHash<QString, DriveFacts> facts;
    auto factsOf = [&](const QString &drive) -> DriveFacts & {
        auto it = facts.find(drive);
        if (it == facts.end())
            it = facts.insert(drive, {getMediaType(drive), getVolumeLabel(drive).trimmed()});
        return *it;
    };

    // Whether a file will need its picture, as far as can be told without asking anything:
    // its drive is known and labelled, and it is new or to be refreshed. A wrong guess only
    // costs a decode or a wait.
    auto wanted = [&](int i) {
        const CatalogFile f = splitCatalogFile(files.at(i), drives);
        const DriveFacts &d = factsOf(f.drive);
        const QString &media = d.media;
        const QString &label = d.label;
        if (media == QLatin1String("x") || label.isEmpty())
            return false;
        return refresh || !server.seek2Rec(media, label, f.folder, f.fileName, f.drivelessPath());
    };

    for (int i = 0; i < files.size(); ++i) {
        const QString &file = files.at(i);
        const CatalogFile f = splitCatalogFile(file, drives);
        DriveFacts &d = factsOf(f.drive);
        const QString media = d.media;
        QString label = d.label;
        if (media == QLatin1String("x")) {
            errorMsg(owner, QStringLiteral("Unknown media type for drive ") + driveName(f.drive));
            break;
        }
        if (label.isEmpty()) {
            label = host.askLabel(f.drive).trimmed();
            if (label.isEmpty()) {
                errorMsg(owner, QStringLiteral("Procedure has been stoped by the user"));
                break;
            }
            d.label = label;
        }
        const bool found = server.seek2Rec(media, label, f.folder, f.fileName, f.drivelessPath());
        if (found && !refresh) {
            ++result.skipped;
            host.advance();
            continue;
        }
        pipeline.fillFrom(i + 1, wanted);
        const Made made = pipeline.take(i, host);
        if (!made.ok) {
            result.errors << made.error;
            host.advance();
            continue;
        }
        if (found) {
            // take() may have let the window repaint; the record is found again to be sure.
            server.seek2Rec(media, label, f.folder, f.fileName, f.drivelessPath());
            writeThumbFields(server, made.record);
            server.commit();
            ++result.refreshed;
        } else {
            if (!server.append()) {
                errorMsg(owner, QStringLiteral("Failed to append database record"));
                break;
            }
            server.fieldPut(QStringLiteral("VLABEL"), label);
            server.fieldPut(QStringLiteral("MEDIA"), media);
            server.fieldPut(QStringLiteral("PATH"), f.folder);
            server.fieldPut(QStringLiteral("FILENAME"), f.fileName);
            server.fieldPut(QStringLiteral("FULLPATH"), f.drivelessPath());
            server.fieldPut(QStringLiteral("KEYS"), Value(ValueArray{}));
            writeThumbFields(server, made.record);
            if (!server.commit()) {
                errorMsg(owner, QStringLiteral("Failed to append database record"));
                break;
            }
            ++result.added;
        }
        host.advance();
    }
    server.commit();
    host.finish();
    setImageOpThreads(opThreads);
    return result;
}

QString addImagesSummary(const AddImagesResult &result)
{
    // Each line ends in a line feed and then a carriage return, as every catalog message does.
    const QString lineBreak = QStringLiteral("\n\r");
    QString text;
    if (result.added > 0)
        text += QString::number(result.added) + QStringLiteral(" file(s) added") + lineBreak;
    if (result.refreshed > 0)
        text += QString::number(result.refreshed) + QStringLiteral(" file(s) refreshed") + lineBreak;
    if (result.skipped > 0)
        text += QString::number(result.skipped) + QStringLiteral(" file(s) skipped (refresh flag was off)") + lineBreak;
    return text;
}

} // namespace gb
