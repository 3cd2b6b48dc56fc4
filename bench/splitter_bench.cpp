// How long the image splitter leaves events waiting on a 5120 x 2880 photo.
//
//   splitter_bench [PHOTO] [TILE_FOLDER]
//
// PHOTO is split as it is (any size); without it a generated 5120 x 2880 picture, saved as a
// progressive JPEG at quality 90 as wallpapers and camera exports often are, serves. The
// tiles go to TILE_FOLDER (kept, so that two builds' tiles can be compared), else to a
// temporary folder. A 5 ms timer on the window's thread notes the longest wait between ticks:
//   (open)   "Split Image" opened on the photo, until its preview shows;
//   (split)  Ok with 3 rows x 3 columns as JPEG (the JPEG options answered with Ok at once),
//            until the run has ended.
// Each row gives the longest gap, the wall time and the CPU time of every thread; best of
// 3 runs. Goal: no gap over 100 ms.
#include "benchpictures.h"
#include "benchui.h"
#include "benchutil.h"
#include "eventgap.h"

#include "image/imagesave.h"
#include "image/imagesplitwin.h"
#include "image/imagetypes.h"
#include "image/previewft.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Answers the next modal dialog (the JPEG options) with its Ok button once it is up.
void pressOkOnTheNextDialog()
{
    QTimer::singleShot(0, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            pressOkOnTheNextDialog();
            return;
        }
        for (QPushButton *b : modal->findChildren<QPushButton *>())
            if (b->text() == QLatin1String("Ok")) {
                b->click();
                return;
            }
    });
}

gbbench::WindowRun best(const gbbench::WindowRun &a, const gbbench::WindowRun &b)
{
    return a.gapMs <= b.gapMs ? a : b;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Ok stores the tile folder in the registry: a folder of the run's own keeps the user's.
    QTemporaryDir tmp;
    qputenv("GLIMMERBOX_HOME", QFile::encodeName(tmp.path()));
    QApplication app(argc, argv);
    gbbench::QuietUi quiet;
    gb::setUi(&quiet);
    QString photo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (photo.isEmpty()) {
        photo = tmp.filePath("generated.jpg");
        if (!gb::saveRgb2File(gbbench::generated(5120, 2880, 1), photo, gb::ImageTypeJpg, 90, true, 0, 0))
            return 1;
    }
    const QString tiles = argc > 2 ? QString::fromLocal8Bit(argv[2]) : tmp.filePath("tiles");
    QDir().mkpath(tiles);
    // The file in the page cache, as after the explorer showed it.
    QFile file(photo);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();

    gbbench::WindowRun open, split;
    for (int run = 0; run < 3; ++run) {
        gb::ImageSplitWin *dialog = nullptr;
        const gbbench::WindowRun opened = gbbench::timeWindowRun([&](auto finished) {
            dialog = new gb::ImageSplitWin(nullptr, {photo});
            dialog->show();
            // Polled: the preview may be made after the dialog is up.
            auto *poll = new QTimer(dialog);
            QObject::connect(poll, &QTimer::timeout, [dialog, poll, finished] {
                if (dialog->preview()->image()) {
                    poll->stop();
                    finished();
                }
            });
            poll->start(1);
        });
        dialog->rowsEdit()->setText(QStringLiteral("3"));
        dialog->colsEdit()->setText(QStringLiteral("3"));
        dialog->imageTypeBox()->setCurrentIndex(dialog->imageTypeBox()->findData(int(gb::ImageTypeJpg)));
        dialog->folderEdit()->setText(tiles);
        const gbbench::WindowRun splitRun = gbbench::timeWindowRun([&](auto finished) {
            pressOkOnTheNextDialog();
            dialog->pbOk();
            finished();
        });
        delete dialog;
        open = run == 0 ? opened : best(open, opened);
        split = run == 0 ? splitRun : best(split, splitRun);
    }
    const int written = int(QDir(tiles).entryList({"*_0*.jpg"}, QDir::Files).size());
    std::printf("image splitter on %s (%.1f MB), best of 3 (goal: gap <= 100 ms)\n", qPrintable(QDir(photo).dirName()),
                bytes.size() / 1e6);
    open.print("Split Image opened, until its preview shows");
    split.print("split into 3 x 3 JPEG tiles");
    if (written != 9 || quiet.failures > 0) {
        std::fprintf(stderr, "%d tiles written, %d failures\n", written, quiet.failures);
        return 1;
    }
    return 0;
}
