#include "catalog/addimages.h"

#include "catalog/catalogpaths.h"
#include "catalog/createthumb.h"
#include "common/batchprogress.h"
#include "common/drives.h"
#include "common/eventpacer.h"
#include "common/messages.h"
#include "common/orderedwork.h"

#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

namespace gb {

namespace {

struct Made
{
    bool ok = false;
    ThumbRecord record;
    QString error;
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
    const int n = int(files.size());
    // The run has its own abort; an outer run's flag is given back at the end.
    const bool outerAbort = std::exchange(glAbortBatch, false);
    host.start(n);

    // A drive's kind and label are read once per run: reading them means the mount table,
    // the registry and the device links. A label given for an unlabelled drive is kept for
    // it (the label dialog stored it), so its later files are not asked again.
    const QStringList drives = getValidDrives();
    std::vector<CatalogFile> parts;
    parts.reserve(size_t(std::max(0, n)));
    for (const QString &file : files)
        parts.push_back(splitCatalogFile(file, drives));
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
        const CatalogFile &f = parts[size_t(i)];
        const DriveFacts &d = factsOf(f.drive);
        const QString &media = d.media;
        const QString &label = d.label;
        if (media == QLatin1String("x") || label.isEmpty())
            return false;
        return refresh || !server.seek2Rec(media, label, f.folder, f.fileName, f.drivelessPath());
    };

    // The workers decode the pictures of the files marked as wanted, ahead of the writer.
    // The marks are set here, on the catalog's thread, for every file the pool may hand
    // out before it is let to: take() hands out no further than ahead() past its item.
    std::vector<Made> made(size_t(std::max(0, n)));
    std::vector<char> decodeAhead(made.size(), 0);
    OrderedWork pool(n, threads > 0 ? threads : workerThreads(), [&](int i) {
        Made &m = made[size_t(i)];
        if (!decodeAhead[size_t(i)])
            return;
        m.ok = createThumb(files.at(i), m.record, m.error);
    });
    pool.orderBy([&](int i) { return decodeAhead[size_t(i)] ? weightOfFile(files.at(i)) : 0; });
    pool.costsMemory([&](int i) { return decodeAhead[size_t(i)] ? memoryOfFile(files.at(i)) : 0; });
    pool.holdsBytes([&](int i) { return size_t(made[size_t(i)].record.jpeg.size()); });
    pool.serveEventsWith([&host] { host.idle(); });
    // Files already catalogued are passed over without a picture to wait for: the window
    // is served between them too.
    EventPacer pacer([&host] { host.idle(); });
    int marked = -1;

    for (int i = 0; i < files.size(); ++i) {
        pacer.serve();
        // Every record before this file is whole on disk, and the index with it.
        if (glAbortBatch) {
            result.aborted = true;
            break;
        }
        const QString &file = files.at(i);
        const CatalogFile &f = parts[size_t(i)];
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
        for (const int last = std::min(i + pool.ahead(), n - 1); marked < last;) {
            ++marked;
            decodeAhead[size_t(marked)] = marked == i || wanted(marked);
        }
        pool.take(i);
        Made m = std::move(made[size_t(i)]);
        made[size_t(i)] = Made();
        // Not decoded ahead (its drive had no label then): decoded now.
        if (!decodeAhead[size_t(i)])
            m.ok = createThumb(file, m.record, m.error);
        if (!m.ok) {
            result.errors << m.error;
            host.advance();
            continue;
        }
        if (found) {
            // take() may have let the window repaint; the record is found again to be sure.
            server.seek2Rec(media, label, f.folder, f.fileName, f.drivelessPath());
            writeThumbFields(server, m.record);
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
            writeThumbFields(server, m.record);
            if (!server.commit()) {
                errorMsg(owner, QStringLiteral("Failed to append database record"));
                break;
            }
            ++result.added;
        }
        host.advance();
    }
    // An Abort confirmed while the last record was made or written ends the run as one
    // before it would.
    if (!result.aborted) {
        pacer.serveNow();
        result.aborted = glAbortBatch;
    }
    server.commit();
    host.finish();
    if (result.aborted)
        errorMsg(owner, QStringLiteral("Procedure has been stoped by the user"));
    glAbortBatch = outerAbort;
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
