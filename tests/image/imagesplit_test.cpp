#include "image/imagesplit.h"
#include "image/imagesplitwin.h"
#include "image/splittable.h"

#include "common/batchprogress.h"
#include "common/filepaths.h"
#include "common/registry.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagetypes.h"
#include "image/previewft.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/enterkey.h"
#include "support/modal.h"
#include "support/modalscript.h"
#include "support/runui.h"
#include "support/workers.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace gb;

namespace {

// An image whose every pixel tells where it came from.
RgbImage coordinates(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x);
            p[1] = uint8_t(y);
            p[2] = uint8_t(x + y);
        }
    return img;
}

void clickOk(QDialog *d)
{
    for (QPushButton *b : d->findChildren<QPushButton *>())
        if (b->text() == "Ok")
            b->click();
}

// The request to split source into columns x rows tiles of the given type in folder.
SplitRequest tilesOf(const QString &source, const QString &folder, int columns, int rows, int format)
{
    SplitRequest request;
    request.sourcePath = source;
    request.columns = columns;
    request.rows = rows;
    request.base = splitTileBase(source, folder, format);
    request.format = format;
    return request;
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> tilesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        files[name] = gbtest::readFile(folder + "/" + name);
    return files;
}

} // namespace

TEST(Split, TileSizesGiveTheRemainderToTheLastColumnAndRow)
{
    struct Case {
        int64_t w, h;
        int columns, rows;
        std::vector<int> widths, heights;
    } cases[] = {
        {1001, 10, 3, 1, {333, 333, 335}, {10}},
        {10, 7, 1, 2, {10}, {3, 4}},
        {5, 5, 5, 5, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}},
        {100000, 100000, 99, 99, {}, {}},
    };
    for (const Case &c : cases) {
        for (int col = 1; col <= c.columns; ++col) {
            SplitTile t;
            ASSERT_TRUE(splitTileRect(c.w, c.h, c.columns, c.rows, col, c.rows, t));
            if (!c.widths.empty()) {
                EXPECT_EQ(t.width, c.widths[size_t(col - 1)]);
            }
            EXPECT_EQ(t.left, 1 + (col - 1) * int(c.w / c.columns));
        }
        for (int row = 1; row <= c.rows && !c.heights.empty(); ++row) {
            SplitTile t;
            ASSERT_TRUE(splitTileRect(c.w, c.h, c.columns, c.rows, 1, row, t));
            EXPECT_EQ(t.height, c.heights[size_t(row - 1)]);
        }
    }
    // Finer than the image, or one tile: refused, never an empty tile.
    SplitTile t;
    EXPECT_FALSE(splitTileRect(2, 100, 3, 1, 1, 1, t));
    EXPECT_FALSE(splitTileRect(100, 2, 1, 3, 1, 1, t));
    EXPECT_FALSE(splitTileRect(100, 100, 1, 1, 1, 1, t));
    EXPECT_FALSE(splitTileRect(100, 100, 0, 5, 1, 1, t));
    EXPECT_TRUE(split(coordinates(2, 50), 3, 1).empty());
}

TEST(Split, TilesHoldExactlyTheirPartOfTheSource)
{
    const RgbImage src = coordinates(11, 7);
    const SplitTiles tiles = split(src, 3, 2);
    ASSERT_EQ(tiles.size(), 3u);
    ASSERT_EQ(tiles[0].size(), 2u);
    for (const auto &column : tiles)
        for (const SplitTile &t : column)
            for (int y = 0; y < t.height; ++y)
                for (int x = 0; x < t.width; ++x)
                    ASSERT_EQ(std::memcmp(t.image.pixel(x, y), src.pixel(t.left - 1 + x, t.top - 1 + y), 3), 0);
    EXPECT_EQ(tiles[2][1].width, 5);
    EXPECT_EQ(tiles[2][1].height, 4);
}

TEST(Split, NamesPutRowThenColumnBeforeTheExtension)
{
    EXPECT_EQ(getPartialName("/tiles/beach.jpg", 1, 2), "/tiles/beach_0102.jpg");
    EXPECT_EQ(getPartialName("/tiles/beach.jpg", 10, 12), "/tiles/beach_1012.jpg");
    EXPECT_EQ(getPartialName("/tiles/beach.jpg", 99, 99), "/tiles/beach_9999.jpg");
    EXPECT_EQ(getPartialName("/photos.old/beach", 2, 3), "/photos_0203.old/beach");
    EXPECT_EQ(getPartialName("/photos/beach", 2, 3), "/photos/beach0203");
    EXPECT_EQ(splitTileBase("/photos/beach.PNG", "/tiles/", 3), "/tiles/beach.jpg");
    EXPECT_EQ(splitTileBase("/photos.old/beach", "/tiles/", 3), "/photos.old/beach");
}

TEST(SplitTable, LinesForUnevenDivisions)
{
    auto table = [](int rows, int columns) {
        SplitTable t(size_t(rows), std::vector<SplitCell>{size_t(columns)});
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                t[size_t(r)][size_t(c)] = {QString("/tiles/b_%1%2.jpg").arg(r + 1).arg(c + 1), 400, 600, "Beach \"1\""};
        return t;
    };
    const QStringList two = splitTableLines(table(1, 2));
    EXPECT_EQ(two, QStringList({
                       "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"20%\">",
                       "<tr>",
                       "<td width=\"50%\"><img src=\"b_11.jpg\" width=\"400\" height=\"600\" alt=\"Beach &quot;1&quot;\"></td>",
                       "<td width=\"50%\"><img src=\"b_12.jpg\" width=\"400\" height=\"600\" alt=\"Beach &quot;1&quot;\"></td>",
                       "</tr>",
                       "</table>",
                   }));
    auto shares = [](const QStringList &lines, int row) {
        QList<int> out;
        int seen = -1;
        for (const QString &l : lines) {
            if (l == "<tr>")
                ++seen;
            else if (seen == row && l.startsWith("<td width=\""))
                out << l.mid(11, l.indexOf('%') - 11).toInt();
        }
        return out;
    };
    EXPECT_EQ(shares(splitTableLines(table(2, 3)), 1), QList<int>({33, 33, 34}));
    EXPECT_EQ(shares(splitTableLines(table(1, 7)), 0), QList<int>({14, 14, 14, 14, 14, 14, 16}));
}

TEST(SplitTable, NamesAndAltTextStayTextInPureAscii)
{
    // Names and ALT texts that are markup, placeholders of a format string, or not ASCII.
    struct {
        QString path, alt, src, altOut;
    } cases[] = {
        {"/t/100%2_0101.png", "A", "100%252_0101.png", "A"},
        {"/t/%1_0101.png", "%1 %5 100%", "%251_0101.png", "%1 %5 100%"},
        {"/t/b_0101.png", "Say \"hi\" & <b>", "b_0101.png", "Say &quot;hi&quot; &amp; &lt;b&gt;"},
        {"/t/plage \u00e9t\u00e9_0101.png", "\u00c9t\u00e9 \U0001F30A", "plage%20%C3%A9t%C3%A9_0101.png",
         "&#201;t&#233; &#127754;"},
    };
    const QString dir = gbtest::makeTempDir("tabletext") + "/";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const SplitTable t = {{{c.path, 5, 7, c.alt}}};
        EXPECT_EQ(splitTableLines(t).value(2), "<td width=\"100%\"><img src=\"" + c.src + "\" width=\"5\" height=\"7\" alt=\""
                                                   + c.altOut + "\"></td>");
        ASSERT_TRUE(createSplitTable(t, dir, "page", SplitTableHtmlFile));
        const QByteArray page = gbtest::readFile(dir + "page.htm");
        EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](char b) { return uchar(b) < 128; }));
    }
}

TEST(SplitTable, PageTextFileAndClipboard)
{
    const QString dir = gbtest::makeTempDir("table") + "/";
    const SplitTable t = {{{"/x/a_0101.gif", 3, 4, "A"}, {"/x/a_0102.gif", 5, 4, "A"}}};
    const QString table = "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"20%\">\r\n<tr>\r\n"
                          "<td width=\"50%\"><img src=\"a_0101.gif\" width=\"3\" height=\"4\" alt=\"A\"></td>\r\n"
                          "<td width=\"50%\"><img src=\"a_0102.gif\" width=\"5\" height=\"4\" alt=\"A\"></td>\r\n"
                          "</tr>\r\n</table>\r\n";
    ASSERT_TRUE(createSplitTable(t, dir, "page.htm", SplitTableHtmlFile));
    EXPECT_EQ(gbtest::readFile(dir + "page.htm.htm"),
              ("<html>\r\n\r\n<head>\r\n<title>New Page 1</title>\r\n"
               "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 3.0\">\r\n</head>\r\n\r\n<body>\r\n"
               "<div align=\"center\"><center>\r\n"
               + table + "\r\n</center></div>\r\n</body>\r\n</html>\r\n")
                  .toUtf8());
    ASSERT_TRUE(createSplitTable(t, dir, "TMPIMAGE", SplitTableTextFile));
    EXPECT_EQ(gbtest::readFile(dir + "TMPIMAGE.txt"), table.toUtf8());
    ASSERT_TRUE(createSplitTable(t, dir, "", SplitTableClipboard));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), table);
    // A folder that is not there: nothing written, and said so.
    QString error;
    EXPECT_FALSE(createSplitTable(t, dir + "none/", "x", SplitTableTextFile, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SplitImage, WritesEveryTileAndReportsTheOnesThatFail)
{
    const QString dir = gbtest::makeTempDir("tiles") + "/";
    const QString source = dir + "beach.png";
    ASSERT_TRUE(saveRgb2File(coordinates(30, 21), source, 4, 0, false, 0, 0));
    // A folder standing where one tile goes makes that tile fail.
    QDir(dir).mkdir("beach_0102.png");
    SplitRequest request = tilesOf(source, dir, 3, 2, ImageTypePng);
    request.alt = "Beach";
    SilentBatchProgress progress;
    const SplitResult result = splitImage(request, progress);
    EXPECT_TRUE(result.obtained);
    EXPECT_EQ(result.tilesWritten, 5);
    ASSERT_EQ(result.errors.size(), 1);
    EXPECT_TRUE(result.errors[0].startsWith("Tile " + dir + "beach_0102.png not saved: "));
    ASSERT_EQ(result.table.size(), 2u);
    EXPECT_EQ(result.table[1][2], (SplitCell{dir + "beach_0203.png", 10, 11, "Beach"}));
    int w = 0, h = 0;
    QString error;
    const RgbImage tile = createRgbFromFile(dir + "beach_0203.png", w, h, error);
    ASSERT_FALSE(tile.isNull());
    EXPECT_EQ(QSize(w, h), QSize(10, 11));
    EXPECT_EQ(tile.pixel(0, 0)[0], 20);
    EXPECT_EQ(tile.pixel(0, 0)[1], 10);

    request.sourcePath = dir + "missing.png";
    EXPECT_FALSE(splitImage(request, progress).obtained);
    request.sourcePath = source;
    request.columns = 31;
    const SplitResult tooFine = splitImage(request, progress);
    EXPECT_TRUE(tooFine.obtained);
    EXPECT_EQ(tooFine.tilesWritten, 0);
    EXPECT_TRUE(tooFine.table.empty());
    EXPECT_EQ(tooFine.errors, QStringList{"The image (30 x 21 pixels) is too small to split into 2 rows and 31 columns."});
}

TEST(ImageSplitWin, OpensWithItsDefaultsAndEnablesTheHtmlFields)
{
    kvtSetRtRegString("Last Used", "Split Directory", "/no/such/folder/");
    ImageSplitWin w(nullptr, {"/photos/beach.jpg"});
    EXPECT_EQ(w.windowTitle(), "Split Image");
    EXPECT_EQ(w.fNameFt()->text(), "/photos/beach.jpg");
    EXPECT_EQ(w.theRow(), 2);
    EXPECT_EQ(w.theCol(), 2);
    EXPECT_EQ(w.imageFormat(), ImageTypeJpg);
    EXPECT_EQ(w.theFolder(), getTemporaryDir());
    EXPECT_FALSE(w.createHtml());
    EXPECT_EQ(w.saveHtmlAs(), SplitTableHtmlFile);
    EXPECT_EQ(w.fileName(), "TMPIMAGE");
    for (QWidget *field : std::initializer_list<QWidget *>{w.htmlFileButton(), w.textFileButton(), w.clipboardButton(),
                                                           w.fileNameEdit(), w.altTagEdit()})
        EXPECT_FALSE(field->isEnabled());
    w.createHtmlBox()->click();
    EXPECT_TRUE(w.fileNameEdit()->isEnabled());
    EXPECT_TRUE(w.altTagEdit()->isEnabled());
    w.clipboardButton()->click();
    EXPECT_FALSE(w.fileNameEdit()->isEnabled());
    EXPECT_EQ(w.saveHtmlAs(), SplitTableClipboard);
    w.textFileButton()->click();
    EXPECT_TRUE(w.fileNameEdit()->isEnabled());
    EXPECT_EQ(w.saveHtmlAs(), SplitTableTextFile);
    w.createHtmlBox()->click();
    EXPECT_FALSE(w.fileNameEdit()->isEnabled());
    EXPECT_FALSE(w.textFileButton()->isEnabled());
}

TEST(ImageSplitWin, RefusedEntriesKeepTheDialogOpen)
{
    const QString dir = gbtest::makeTempDir("splitv") + "/";
    gbtest::ScriptedUi ui;
    ImageSplitWin w(nullptr, {dir + "beach.png"});
    w.imageTypeBox()->setCurrentIndex(w.imageTypeBox()->findData(ImageTypePng));
    struct Case {
        const char *rows, *cols, *folder;
        bool html;
        const char *name;
        QString message;
    } cases[] = {
        {"1", "1", "", false, "", "At least one from rows or columns must be greater than 1"},
        {"0", "5", "", false, "", "At least one from rows or columns must be greater than 1"},
        {"1", "2", "", false, "", "Folder  does not exist"},
        {"1", "2", "/no/such", false, "", "Folder /no/such/ does not exist"},
        {"1", "2", "", true, "", "Define html or text file name"},
        {"1", "2", "", true, "../victim",
         "The html or text file name \"../victim\" must not hold \"/\" or \"..\": the file stays in the folder"},
        {"1", "2", "", true, "a/../../b",
         "The html or text file name \"a/../../b\" must not hold \"/\" or \"..\": the file stays in the folder"},
    };
    for (const Case &c : cases) {
        ui.boxes.clear();
        w.rowsEdit()->setText(c.rows);
        w.colsEdit()->setText(c.cols);
        w.folderEdit()->setText(*c.folder || c.html ? QString(c.folder) : QString());
        if (c.html) {
            w.folderEdit()->setText(dir);
            w.createHtmlBox()->setChecked(true);
            w.fileNameEdit()->setText(c.name);
        }
        w.pbOk();
        EXPECT_EQ(ui.boxTexts(), QStringList{c.message});
        EXPECT_EQ(w.result(), 0);
    }
    EXPECT_TRUE(QDir(dir).isEmpty());
}

TEST(ImageSplitWin, EnterInAnyFieldRunsOkAndNeverTheFolderPicker)
{
    const QString dir = gbtest::makeTempDir("splitenter") + "/";
    gbtest::ScriptedUi ui;
    gbtest::ModalScript script; // cancels the JPEG options that Ok asks for first
    ImageSplitWin w(nullptr, {dir + "beach.png"});
    w.folderEdit()->setText(dir);
    for (QLineEdit *field : {w.folderEdit(), w.rowsEdit(), w.colsEdit()})
        EXPECT_EQ(gbtest::buttonsPressedByEnter(w, field), QStringList{"Ok"});
    EXPECT_EQ(script.captions, QStringList(3, "JPG Save Options..."));
    EXPECT_TRUE(ui.dialogs.empty());
    EXPECT_EQ(w.folderEdit()->text(), dir);
}

TEST(ImageSplitWin, JpegOptionsComeFirstAndARunStoresTheFolder)
{
    const QString dir = gbtest::makeTempDir("splitrun") + "/";
    ASSERT_TRUE(saveRgb2File(coordinates(40, 20), dir + "beach.png", 4, 0, false, 0, 0));
    gbtest::ScriptedUi ui;
    {
        // JPEG with 1 x 1: the options are asked first, then the error follows.
        ImageSplitWin w(nullptr, {dir + "beach.png"});
        w.rowsEdit()->setText("1");
        w.colsEdit()->setText("1");
        bool asked = false;
        gbtest::whenModal([&](QDialog *d) {
            asked = true;
            clickOk(d);
        });
        w.pbOk();
        EXPECT_TRUE(asked);
        EXPECT_EQ(ui.boxTexts(), QStringList{"At least one from rows or columns must be greater than 1"});
        // Cancelled options: nothing else.
        ui.boxes.clear();
        gbtest::whenModal([](QDialog *d) { d->reject(); });
        w.pbOk();
        EXPECT_TRUE(ui.boxes.empty());
    }
    ui.boxes.clear();
    ImageSplitWin w(nullptr, {dir + "beach.png"});
    w.rowsEdit()->setText("1");
    w.colsEdit()->setText("2");
    w.folderEdit()->setText(dir.chopped(1));
    w.createHtmlBox()->click();
    w.altTagEdit()->setText("Beach");
    gbtest::whenModal(clickOk);
    w.pbOk();
    EXPECT_EQ(ui.boxTexts(), QStringList{"Procedure finished."});
    EXPECT_EQ(w.result(), 1);
    EXPECT_EQ(kvtQueryRtRegString("Last Used", "Split Directory"), dir);
    EXPECT_TRUE(QFile::exists(dir + "beach_0101.jpg"));
    EXPECT_TRUE(QFile::exists(dir + "beach_0102.jpg"));
    EXPECT_TRUE(gbtest::readFile(dir + "TMPIMAGE.htm").contains("<img src=\"beach_0102.jpg\" width=\"20\" height=\"20\" alt=\"Beach\">"));
    // The next dialog opens on that folder.
    ImageSplitWin again(nullptr, {dir + "beach.png"});
    EXPECT_EQ(again.theFolder(), dir);
}

TEST(ImageSplitWin, AnImageThatCannotBeLoadedOrCutIsReported)
{
    const QString dir = gbtest::makeTempDir("splitbad") + "/";
    ASSERT_TRUE(gbtest::writeFile(dir + "bad.png", "not an image"));
    ASSERT_TRUE(saveRgb2File(coordinates(3, 3), dir + "tiny.png", 4, 0, false, 0, 0));
    gbtest::ScriptedUi ui;
    ImageSplitWin bad(nullptr, {dir + "bad.png"});
    bad.imageTypeBox()->setCurrentIndex(bad.imageTypeBox()->findData(ImageTypeBmp));
    bad.folderEdit()->setText(dir);
    bad.pbOk();
    EXPECT_EQ(ui.boxTexts(), QStringList{"Unsufficient system memory to complete the operation"});
    EXPECT_EQ(bad.result(), 1);

    ui.boxes.clear();
    ImageSplitWin tiny(nullptr, {dir + "tiny.png"});
    tiny.imageTypeBox()->setCurrentIndex(tiny.imageTypeBox()->findData(ImageTypeBmp));
    tiny.folderEdit()->setText(dir);
    tiny.colsEdit()->setText("4");
    tiny.pbOk();
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(ui.errorLogs.size(), 1u);
    EXPECT_EQ(ui.errorLogs[0], QStringList{"The image (3 x 3 pixels) is too small to split into 2 rows and 4 columns."});
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 2);
}

TEST(SplitImage, GivesTheSameTilesWithAnyThreadCount)
{
    const QString dir = gbtest::makeTempDir("samebytes") + "/";
    const QString source = dir + "beach.png";
    ASSERT_TRUE(saveRgb2File(coordinates(101, 67), source, 4, 0, false, 0, 0));
    QMap<QString, QByteArray> first;
    for (int threads : {1, 4}) {
        const QString out = gbtest::makeTempDir(QString("tiles%1").arg(threads)) + "/";
        SplitRequest request = tilesOf(source, out, 4, 3, ImageTypeJpg);
        request.jpegQuality = 75;
        request.threads = threads;
        SilentBatchProgress progress;
        const SplitResult result = splitImage(request, progress);
        EXPECT_EQ(result.tilesWritten, 12);
        EXPECT_FALSE(result.aborted);
        const QMap<QString, QByteArray> tiles = tilesIn(out);
        ASSERT_EQ(tiles.size(), 12);
        if (first.isEmpty())
            first = tiles;
        EXPECT_EQ(tiles, first) << threads << " threads";
    }
}

// While it splits, the dialog serves events (a zero timer comes in the middle of the run)
// and refuses Cancel, Escape and Close; the run then ends it as usual.
TEST(ImageSplitWin, ServesEventsWhileItSplitsAndRefusesToCloseMeanwhile)
{
    const QString dir = gbtest::makeTempDir("busy") + "/";
    ASSERT_TRUE(saveRgb2File(coordinates(90, 60), dir + "beach.png", 4, 0, false, 0, 0));
    gbtest::WorkerThreadsSetting threads(4);
    gbtest::ScriptedUi ui;
    ImageSplitWin w(nullptr, {dir + "beach.png"});
    w.imageTypeBox()->setCurrentIndex(w.imageTypeBox()->findData(ImageTypePng));
    w.rowsEdit()->setText("3");
    w.colsEdit()->setText("3");
    w.folderEdit()->setText(dir);
    w.show();
    bool during = false, stayed = false;
    QTimer::singleShot(0, &w, [&] {
        during = w.running();
        w.cancelButton()->click();
        QTest::keyClick(&w, Qt::Key_Escape);
        w.close();
        stayed = w.isVisible();
    });
    w.pbOk();
    EXPECT_TRUE(during) << "the zero timer came after the run";
    EXPECT_TRUE(stayed);
    EXPECT_EQ(w.result(), 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ui.boxTexts(), QStringList{"Procedure finished."});
    EXPECT_EQ(QDir(dir).entryList({"beach_*.png"}, QDir::Files).size(), 9);
}

// Abort in the progress window ends the run after the tiles under way: no table, no
// "Procedure finished.", every tile written is whole and as a full run writes it, and the
// abort flag is given back as it was.
TEST(ImageSplitWin, AbortEndsTheRunAfterTheTilesUnderWay)
{
    const QString dir = gbtest::makeTempDir("abortsplit") + "/";
    ASSERT_TRUE(saveRgb2File(coordinates(200, 200), dir + "beach.png", 4, 0, false, 0, 0));
    const QString whole = gbtest::makeTempDir("wholesplit") + "/";
    {
        const SplitRequest request = tilesOf(dir + "beach.png", whole, 20, 20, ImageTypePng);
        SilentBatchProgress progress;
        ASSERT_EQ(splitImage(request, progress).tilesWritten, 400);
    }
    const QMap<QString, QByteArray> reference = tilesIn(whole);
    for (int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        const QString out = gbtest::makeTempDir(QString("aborted%1").arg(threads)) + "/";
        gbtest::WorkerThreadsSetting setting(threads);
        gbtest::RunUi ui;
        ui.abortCaption = "Split Image";
        ui.abortAtFile = 2;
        ImageSplitWin w(nullptr, {dir + "beach.png"});
        w.imageTypeBox()->setCurrentIndex(w.imageTypeBox()->findData(ImageTypePng));
        w.rowsEdit()->setText("20");
        w.colsEdit()->setText("20");
        w.folderEdit()->setText(out);
        w.createHtmlBox()->click();
        w.pbOk();
        EXPECT_EQ(w.result(), 1);
        EXPECT_TRUE(ui.boxes.empty());
        EXPECT_TRUE(ui.errorLogs.empty());
        EXPECT_FALSE(glAbortBatch);
        EXPECT_FALSE(QFile::exists(out + "TMPIMAGE.htm"));
        const QMap<QString, QByteArray> tiles = tilesIn(out);
        // Tiles 1 and 2 were taken; with workers, those handed out ahead may be there too.
        EXPECT_GE(tiles.size(), 2);
        EXPECT_LT(tiles.size(), 400);
        if (threads == 1) {
            EXPECT_EQ(tiles.keys(), QStringList({"beach_0101.png", "beach_0201.png"}));
        }
        for (auto it = tiles.cbegin(); it != tiles.cend(); ++it)
            EXPECT_EQ(it.value(), reference.value(it.key())) << it.key().toStdString();
    }
}

// The preview is made on a worker: the dialog opens while its decoder waits, shows the
// preview once made, and may close before that.
TEST(ImageSplitWin, OpensWhileItsPreviewIsMadeAndMayCloseFirst)
{
    const QString dir = gbtest::makeTempDir("splitpreview") + "/";
    const QString photo = gbtest::writeGatedJpeg(dir + "beach.jpg", 300, 200);
    gbtest::WorkerThreadsSetting threads(4);
    {
        gbtest::DecodeGate gate;
        ImageSplitWin w(nullptr, {photo});
        gate.waitForADecoder();
        EXPECT_EQ(w.preview()->image(), nullptr);
        gate.release();
        while (!w.preview()->image())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_EQ(w.preview()->text(), photo);
    }
    {
        gbtest::DecodeGate gate;
        auto w = std::make_unique<ImageSplitWin>(nullptr, SplitSource{photo});
        gate.waitForADecoder();
        w.reset();
    }
    gbtest::DecodeGate::waitForTheDecodersToEnd();
}
