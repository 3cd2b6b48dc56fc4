// The renamer over 10,000 files of one folder with a three-command script: how long the
// script page takes to show every preview row, and how long Do It takes against a shell
// loop of `mv -n` over the same number of files, measured in the same run.
//
//   renamer_bench [FILES] [REPEATS]   (10,000 files, 1 run by default: the mv loop forks once a file)

#include "benchui.h"
#include "benchutil.h"
#include "renamer/renamecommand.h"
#include "renamer/renamerjob.h"
#include "renamer/renamerwin.h"
#include "renamer/renscriptwin.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

using gb::Value;

namespace {

QStringList makeFiles(const QString &dir, int count)
{
    QDir().mkpath(dir);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths << dir + QString("/Photo_%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
        QFile f(paths.last());
        f.open(QIODevice::WriteOnly);
    }
    return paths;
}

// Insert "trip_" at the start, replace every "photo" (any case) by "img", upper case.
gb::ValueArray script()
{
    return {gb::makeRenameCommand(gb::RenameInsert, {Value(1), Value(0), Value(1), Value("trip_"), Value(1), Value(4)}),
            gb::makeRenameCommand(gb::RenameReplace, {Value(3), Value(0), Value(0), Value(false), Value("photo"), Value(2),
                                                      Value(1), Value(1), Value("img"), Value(1), Value(4)}),
            gb::makeRenameCommand(gb::RenameCasing, {Value(2)})};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    gbbench::QuietUi ui;
    gb::setUi(&ui);
    QTemporaryDir root;

    std::vector<double> preview, doIt, mv;
    for (int r = 0; r < repeats; ++r) {
        const QString ours = root.path() + QString("/ours%1").arg(r);
        const QString shell = root.path() + QString("/shell%1").arg(r);
        const QStringList files = makeFiles(ours, count);
        makeFiles(shell, count);

        gb::RenamerWin win(nullptr, files);
        win.renamerJob()->renamer().setData(script());
        bool ok = true;
        preview.push_back(gbbench::seconds([&](int) {
            win.changeActiveWin(2);
            QApplication::processEvents();
            const bool shown = win.scriptWin()->previewLb()->count() == count;
            win.changeActiveWin(1);
            return shown;
        }, 1, &ok));
        if (!ok)
            std::fprintf(stderr, "the preview did not show every row\n");
        doIt.push_back(gbbench::seconds([&](int) {
            win.doItButton()->click();
            return win.renamerJob()->lastOutcome().succeeded == count;
        }, 1, &ok));
        if (!ok)
            std::fprintf(stderr, "Do It did not rename every file\n");
        mv.push_back(gbbench::seconds([&](int) {
            return gbbench::runProgram("sh", {"-c", "cd \"$0\" && for f in *; do mv -n \"$f\" \"trip_$f\"; done", shell});
        }, 1, &ok));
    }
    const double p = gbbench::median(preview), d = gbbench::median(doIt), m = gbbench::median(mv);
    std::printf("renamer, %d files, three commands (median of %d runs)\n", count, repeats);
    std::printf("  preview of every row  %8.3f s\n", p);
    std::printf("  Do It                 %8.3f s   %.4fx the mv loop\n", d, d / m);
    std::printf("  shell mv -n loop      %8.3f s\n", m);
    return ui.failures > 0 ? 1 : 0;
}
