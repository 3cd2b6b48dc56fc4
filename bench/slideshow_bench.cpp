// Times the slide show's next picture of 24-megapixel photos on a full-HD screen against a
// bare libjpeg-turbo decode at the reduced scale that still covers the screen size, and how
// long the full-screen window leaves events waiting while it steps through them.
//
//   slideshow_bench [PHOTO_FOLDER] [REPEATS]
//
// Each photo of PHOTO_FOLDER (*.jpg, up to 6) is fitted to 6000 x 4000 and saved once at
// quality 90; without photos, generated pictures serve. Per photo, with the file in the page
// cache:
//   (show)  what the full-screen window does for the next picture: the file read into the
//           1920 x 1080 box (createFittedRgbFromFile()) and drawn centred on a 1920 x 1080
//           surface;
//   (bare)  libjpeg-turbo alone: the file decoded at the smallest scale M/8 whose output
//           still covers the picture fitted to 1920 x 1080, nothing else.
// Best of REPEATS (default 5) runs each. Goal: show at most 1.20 times bare.
//
// Then the window itself on a 1920 x 1080 screen (Qt's offscreen platform), a 5 ms timer on
// its thread noting the longest wait between ticks:
//   (stepping)  a show with a pause of 1 s and no loop, from its opening through every photo
//               to its end, and apart from the opening (the first exposure of a full-screen
//               window, Qt's own work), from its first change of picture on;
//   (Space)     a looping show closed by a Space key that another thread posts 5 ms after
//               the show's second, third or fourth change of picture began; the longest time
//               from the key to the window's end.
// Goal: no gap and no answer over 50 ms.
#include "barejpeg.h"
#include "benchpictures.h"
#include "benchutil.h"
#include "eventgap.h"

#include "explorer/fullscreenshowwin.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/rgbutils.h"
#include "image/thumbnail.h"
#include "platform/imagelib/drawrgb.h"
#include "platform/imagelib/resize.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>


namespace {

const int kScreenW = 1920, kScreenH = 1080;


// libjpeg's decode at the smallest M/8 scale whose output covers fitW x fitH.
bool bareScreenDecode(const QByteArray &bytes, int fitW, int fitH, gbbench::Pixels &out)
{
    jpeg_decompress_struct d;
    jpeg_error_mgr err;
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char *>(bytes.constData()), (unsigned long)bytes.size());
    if (jpeg_read_header(&d, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&d);
        return false;
    }
    unsigned num = 8;
    for (unsigned m = 1; m <= 8; ++m)
        if ((d.image_width * m + 7) / 8 >= unsigned(fitW) && (d.image_height * m + 7) / 8 >= unsigned(fitH)) {
            num = m;
            break;
        }
    d.scale_num = num;
    d.scale_denom = 8;
    d.out_color_space = JCS_RGB;
    return gbbench::decodeInto(d, out);
}

} // namespace

// A looping show over the files, closed by a Space key that another thread posts 5 ms after
// the show's `change`-th change of picture began (its caption changed); the time in
// milliseconds from the key to the window's end.
double spaceAnswer(const QStringList &files, int change)
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point posted, ended;
    std::mutex mutex;
    std::condition_variable changed;
    int changes = 0;
    std::thread user;
    // Made here: a key event made on another thread would make the keyboard device there.
    auto *key = new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    gbbench::timeWindowRun([&](auto finished) {
        auto *show = new gb::FullScreenShowWin(nullptr, files, 1, true);
        QObject::connect(show, &QWidget::windowTitleChanged, [&] {
            std::lock_guard<std::mutex> lock(mutex);
            ++changes;
            changed.notify_all();
        });
        QObject::connect(show, &QDialog::finished, [&, show, finished] {
            ended = Clock::now();
            show->deleteLater();
            finished();
        });
        show->show();
        user = std::thread([&, show] {
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return changes >= change; });
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            posted = Clock::now();
            QCoreApplication::postEvent(show, key);
        });
    });
    user.join();
    return std::chrono::duration<double, std::milli>(ended - posted).count();
}

int main(int argc, char **argv)
{
    // A full-HD screen, so that the window fits the photos into what a desktop gives it.
    QTemporaryDir tmp;
    const QString screens = tmp.filePath("screens.json");
    QFile config(screens);
    if (!config.open(QIODevice::WriteOnly)
        || config.write(R"({"screens": [{"name": "hd", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                        R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
               < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    QApplication app(argc, argv);
    const QString photos = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QStringList sources;
    const QStringList names = photos.isEmpty() ? QStringList() : QDir(photos).entryList({"*.jpg", "*.JPG"}, QDir::Files, QDir::Name);
    for (int i = 0; i < std::max<qsizetype>(3, std::min<qsizetype>(names.size(), 6)); ++i) {
        gb::RgbImage img;
        if (i < names.size())
            img = gbbench::photoAt24Mp(QDir(photos).filePath(names[i]));
        if (img.isNull())
            img = gbbench::generated(6000, 4000, i);
        const QString path = tmp.filePath(QString("p%1.jpg").arg(i));
        if (!gb::saveRgb2File(img, path, 3, 90, false, 0, 0))
            return 1;
        sources << path;
    }

    QImage screen(kScreenW, kScreenH, QImage::Format_RGB32);
    double showTotal = 0, bareTotal = 0, loadTotal = 0;
    bool ok = true;
    for (const QString &path : sources) {
        QByteArray bytes;
        gbbench::readBytes(path, bytes);
        bool runOk = true;
        const double show = gbbench::seconds(
            [&](int) {
                int w = 0, h = 0;
                QString error;
                const gb::RgbImage shown = gb::createScreenRgbFromFile(path, kScreenW, kScreenH, w, h, error);
                QPainter painter(&screen);
                painter.fillRect(screen.rect(), Qt::black);
                return !shown.isNull()
                       && gb::isDrawRgb(painter, shown, (kScreenW - shown.width()) / 2, (kScreenH - shown.height()) / 2,
                                        shown.width(), shown.height());
            },
            repeats, &runOk);
        ok = ok && runOk;
        const double load = gbbench::seconds(
            [&](int) {
                int w = 0, h = 0;
                QString error;
                return !gb::createScreenRgbFromFile(path, kScreenW, kScreenH, w, h, error).isNull();
            },
            repeats, &runOk);
        loadTotal += load;
        const double bare = gbbench::seconds(
            [&](int) {
                QByteArray again;
                gbbench::readBytes(path, again);
                int fitW = 0, fitH = 0;
                gb::calcNewDims(6000, 4000, kScreenW, kScreenH, fitW, fitH);
                gbbench::Pixels px;
                return bareScreenDecode(again, fitW, fitH, px);
            },
            repeats, &runOk);
        ok = ok && runOk;
        showTotal += show;
        bareTotal += bare;
    }
    const int n = int(sources.size());
    std::printf("slide show: next 24 MP picture on a %d x %d screen, %d photos, best of %d\n", kScreenW, kScreenH, n, repeats);
    const gbbench::ResultTable table{30, 6};
    table.row("bare libjpeg screen decode", bareTotal / n, 0, "");
    table.row("picture read and fitted", loadTotal / n, bareTotal / n, "bare");
    table.row("slide show next picture", showTotal / n, bareTotal / n, "bare (goal <= 1.20)");

    std::printf("full-screen window, %d photos, pause 1 s (goal: gap and answer <= 50 ms)\n", n);
    // From the first change of picture on (the caption changes), apart from the opening: a
    // full-screen window's first exposure is Qt's own work.
    gbbench::EventGap changes;
    double changesCpu = 0;
    const gbbench::WindowRun stepping = gbbench::timeWindowRun([&](auto finished) {
        auto *show = new gb::FullScreenShowWin(nullptr, sources, 1, false);
        QObject::connect(show, &QWidget::windowTitleChanged, [&changes, &changesCpu, started = false]() mutable {
            if (!started) {
                started = true;
                changes.start();
                changesCpu = gbbench::cpuSeconds();
            }
        });
        QObject::connect(show, &QDialog::finished, [&changes, &changesCpu, show, finished] {
            changes.stop();
            changesCpu = gbbench::cpuSeconds() - changesCpu;
            show->deleteLater();
            finished();
        });
        show->show();
    });
    stepping.print("opening, then every photo");
    std::printf("  %-44s gap %7.1f ms   busy %7.1f ms   %-17s cpu %8.1f ms\n", "  of which the changes of picture",
                changes.longestMs(), changes.longestBusyMs(), "", changesCpu * 1e3);
    double answer = 0;
    for (int change = 2; change <= 4; ++change)
        answer = std::max(answer, spaceAnswer(sources, change));
    std::printf("  %-44s %7.1f ms\n", "Space during a change of picture, answered in", answer);
    return ok ? 0 : 1;
}
