#include "catalog/addimageswin.h"
#include "catalog/archivebrowse.h"
#include "catalog/archivestruct.h"
#include "catalog/archiveexplorer.h"
#include "catalog/archivethumbswin.h"
#include "catalog/batchaddkeywordswin.h"
#include "catalog/enterlabelwin.h"
#include "catalog/findinarchivewin.h"
#include "catalog/findpages.h"
#include "catalog/openarchive.h"
#include "catalog/physicalinfowin.h"
#include "catalog/showerrorswin.h"
#include "catalog/thumbdatawin.h"
#include "catalog/voltree.h"
#include "common/collectdatawin.h"
#include "common/drives.h"
#include "common/globals.h"
#include "common/newkeywordwin.h"
#include "image/imagesave.h"
#include "image/wincaption.h"
#include "image/winsle.h"
#include "platform/imagelib/imagelib.h"
#include "catalogfixture.h"
#include "support/enterkey.h"
#include "support/modal.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/windowlook.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace gb;

namespace {

using gbtest::whenModal;

QByteArray jpegOf(int w, int h)
{
    QByteArray out;
    int error = 0;
    writeImage(RgbImage::filled(w, h, 10, 200, 30), 3, out, error);
    return out;
}

// A catalog window over a catalog with two folders of one fixed volume and one CD.
class CatalogWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        stem = gbtest::freshStem();
        auto server = createNewArchive(nullptr, stem);
        ASSERT_TRUE(server);
        add(*server, "1", "DISK", "/photos/", "a.jpg", {Value("sea")}, "first\r\nsecond");
        add(*server, "1", "DISK", "/photos/", "b.jpg");
        add(*server, "1", "DISK", "/other/", "c.jpg");
        add(*server, "3", "CDVOL", "/", "d.jpg");
        window = new ArchiveExplorer(nullptr, std::move(server), stem);
        window->resize(800, 500);
        window->show();
    }
    void TearDown() override
    {
        if (window)
            window->close();
    }
    static void add(ArchServer &s, const QString &media, const QString &label, const QString &folder,
                    const QString &file, ValueArray keys = {}, const QString &comments = {})
    {
        ASSERT_TRUE(gbtest::addImage(s, {media, label, folder, file, keys, comments, jpegOf(60, 40)}));
    }
    void openFolder(const QString &media, const QString &label, const QString &folder)
    {
        QTreeWidgetItem *item = window->tree()->findFolder(media, label, folder);
        ASSERT_NE(item, nullptr);
        window->tree()->setCurrentItem(item);
    }
    void clickCaption(int cell)
    {
        window->grid()->mouseClickOnCaptionSingle(window->grid()->captionCell(cell)->captionText());
    }

    QString stem;
    QPointer<ArchiveExplorer> window;
    gbtest::ScriptedUi ui;
};

} // namespace

TEST_F(CatalogWindow, TreeFoldersListTheirStoredThumbnails)
{
    EXPECT_TRUE(gaOpenArchives.contains(stem));
    EXPECT_EQ(window->windowTitle(), "Image Catalog: " + stem);
    QTreeWidgetItem *root = window->tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), "Images Archive");
    ASSERT_EQ(root->childCount(), 4);
    EXPECT_EQ(root->child(2)->text(0), "CD ROMs");
    EXPECT_EQ(root->child(1)->childCount(), 0);
    EXPECT_EQ(window->statusTexts(), QStringList({"Files: 0", "Selected: 0"}));

    openFolder("1", "DISK", "/photos/");
    EXPECT_EQ(window->fileCount(), 2);
    EXPECT_EQ(window->grid()->cellCount(), 2);
    EXPECT_TRUE(window->grid()->imageCell(0)->hasThumb());
    EXPECT_EQ(window->grid()->items()[0].thumbWidth, 60);
    EXPECT_EQ(window->statusTexts(), QStringList({"Files: 2", "Selected: 0"}));

    // A volume node leaves the grid as it was.
    window->tree()->setCurrentItem(root->child(0)->child(0));
    EXPECT_EQ(window->fileCount(), 2);

    clickCaption(1);
    EXPECT_EQ(window->statusTexts(), QStringList({"Files: 2", "Selected: 1"}));
    EXPECT_EQ(window->grid()->getSelectedFiles(), QStringList{"/photos/b.jpg"});
    window->selectAll();
    EXPECT_EQ(window->selectedCount(), 2);
    window->invertSelection();
    EXPECT_EQ(window->selectedCount(), 0);
}

TEST_F(CatalogWindow, DamagedThumbnailGivesAnEmptyCell)
{
    ASSERT_TRUE(window->server().locateRec("1", "DISK", "/photos/b.jpg"));
    window->server().fieldPut("RGB", Value::bytes("\xFF\xD8\xFF broken"));
    window->server().commit();
    openFolder("1", "DISK", "/photos/");
    EXPECT_TRUE(window->grid()->imageCell(0)->hasThumb());
    EXPECT_FALSE(window->grid()->imageCell(1)->hasThumb());
    EXPECT_EQ(window->grid()->captionCell(1)->captionText(), "b.jpg");
}

// A folder's thumbnails are listed by name ignoring case, as every listing of the program is,
// also in a catalog whose index was written when order 1 sorted names by letter case: its
// index is made again when it opens.
TEST(CatalogGrid, ListsNamesIgnoringCaseInNewAndOldCatalogs)
{
    gbtest::ScriptedUi ui;
    const QStringList stored = {"Bananeü.jpg", "backgrounds_Wine.jpg", "anim gif.gif", "Zeta.png",
                                "backgrounds_aitzgorri.jpg"};
    const QStringList listed = {"anim gif.gif", "backgrounds_aitzgorri.jpg", "backgrounds_Wine.jpg", "Bananeü.jpg",
                                "Zeta.png"};
    const auto addAll = [&stored](ArchServer &server) {
        for (const QString &name : stored)
            ASSERT_TRUE(gbtest::addImage(server, {"1", "DISK", "/mixed/", name, {}, "", jpegOf(30, 20)}));
    };
    const struct {
        const char *name;
        std::function<void(const QString &)> make;
    } cases[] = {
        {"new catalog",
         [&](const QString &stem) {
             auto server = createNewArchive(nullptr, stem);
             ASSERT_TRUE(server);
             addAll(*server);
         }},
        {"catalog with the old order",
         [&](const QString &stem) {
             ASSERT_TRUE(DbServer::create(stem + ".dbf", gaArchiveStruct()));
             ArchServer server;
             ASSERT_TRUE(server.open(stem + ".dbf"));
             addAll(server);
             const QString cdx = stem + ".cdx";
             ASSERT_TRUE(server.createIndex(cdx, "MEDIA + VLABEL + PATH + FILENAME"));
             ASSERT_TRUE(server.createOrder("VOLUME", cdx, "VLABEL"));
             ASSERT_TRUE(server.createOrder("MEDIA", cdx, "MEDIA"));
         }},
    };
    for (const auto &c : cases) {
        const QString stem = gbtest::freshStem();
        c.make(stem);
        auto server = openArchive(nullptr, stem);
        ASSERT_TRUE(server) << c.name;
        auto *window = new ArchiveExplorer(nullptr, std::move(server), stem);
        window->resize(800, 500);
        window->show();
        QTreeWidgetItem *folder = window->tree()->findFolder("1", "DISK", "/mixed/");
        ASSERT_NE(folder, nullptr) << c.name;
        window->tree()->setCurrentItem(folder);
        QStringList captions;
        for (int i = 0; i < window->grid()->cellCount(); ++i)
            captions << window->grid()->captionCell(i)->captionText();
        EXPECT_EQ(captions, listed) << c.name;
        gbtest::look(QStringLiteral("catalog-grid-") + QString::fromLatin1(c.name).replace(' ', '-'));
        EXPECT_EQ(window->server().orderCount(), 3) << c.name;
        for (const QString &name : stored)
            EXPECT_TRUE(window->server().locateRec("1", "DISK", "/mixed/" + name))
                << c.name << " " << name.toStdString();
        window->close();
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(CatalogWindow, CommandsWithNothingSelectedSaySo)
{
    openFolder("1", "DISK", "/photos/");
    const std::pair<void (ArchiveExplorer::*)(), const char *> cases[] = {
        {&ArchiveExplorer::editData, "Select image to view/edit info"},
        {&ArchiveExplorer::addKeywords, "Select image(s) to add keywords"},
        {&ArchiveExplorer::viewOriginalImage, "Select image to edit"},
        {&ArchiveExplorer::copy2Clipboard, "Select an image file to copy to clipboard"},
        {&ArchiveExplorer::copyThumbnail2Clipboard, "Select an image file to copy to clipboard"},
        {&ArchiveExplorer::removeThumbnails, "Select thumbnail(s) to remove"},
        {&ArchiveExplorer::previewThumbs, "Select at least one image for preview"},
        {&ArchiveExplorer::printThumbs, "Select at least one image for print"},
    };
    for (const auto &[command, text] : cases) {
        ui.boxes.clear();
        (window->*command)();
        ASSERT_EQ(ui.boxes.size(), 1u) << text;
        EXPECT_EQ(ui.boxes[0].caption, "Info");
        EXPECT_EQ(ui.boxes[0].text, text);
    }
}

TEST_F(CatalogWindow, InformationEditsSurviveReopeningTheCatalog)
{
    openFolder("1", "DISK", "/photos/");
    window->selectAll();
    whenModal([](QDialog *d) {
        auto *info = qobject_cast<ThumbDataWin *>(d);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->windowTitle(), "/photos/a.jpg");
        EXPECT_EQ(info->firstTab()->valueText("Volume"), "DISK");
        EXPECT_EQ(info->firstTab()->valueText("Media"), "Fixed Disk");
        EXPECT_EQ(info->firstTab()->valueText("Size"), "123456");
        EXPECT_EQ(info->firstTab()->valueText("Width"), "640");
        EXPECT_FALSE(info->firstTab()->previewImage().isNull());
        EXPECT_EQ(info->keywordsWin()->keywords(), QStringList{"sea"});
        info->keywordsWin()->keywordsLb()->addItem("beach");
        // The comment keeps its line breaks; a line is added to it.
        QPlainTextEdit *edit = info->commentsWin()->commentsEdit();
        edit->setPlainText(edit->toPlainText() + "\nthird");
        info->pbSave();
    });
    window->editData();
    EXPECT_EQ(ui.boxTexts(), QStringList{"More than one images selected. You will edit info only for the first one"});

    window->close();
    auto server = openArchive(nullptr, stem);
    ASSERT_TRUE(server);
    ASSERT_TRUE(server->locateRec("1", "DISK", "/photos/a.jpg"));
    EXPECT_EQ(keysOf(server->fieldGet("KEYS")), QStringList({"beach", "sea"}));
    EXPECT_EQ(server->fieldGet("COMMENTS").toString(), "first\r\nsecond\r\nthird");
}

TEST_F(CatalogWindow, UnchangedCommentComesBackExactly)
{
    ThumbDataWin dialog;
    dialog.commentsWin()->setComments("a\r\nb\r\n");
    dialog.keywordsWin()->setKeywords({"z", "", "Beach", "a"});
    dialog.pbSave();
    EXPECT_EQ(dialog.comments(), "a\r\nb\r\n");
    EXPECT_EQ(dialog.keywords(), QStringList({"a", "Beach", "z"}));
    EXPECT_EQ(dialog.result(), 1);
    ThumbDataWin cancelled;
    cancelled.commentsWin()->setComments("x");
    cancelled.pbClose();
    EXPECT_EQ(cancelled.comments(), "");
    EXPECT_EQ(cancelled.result(), -1);
}

TEST_F(CatalogWindow, KeywordsForManyImages)
{
    openFolder("1", "DISK", "/photos/");
    window->selectAll();
    whenModal([](QDialog *d) {
        auto *dialog = qobject_cast<BatchAddKeywordsWin *>(d);
        ASSERT_NE(dialog, nullptr);
        // Save with an empty list does nothing.
        dialog->pbSave();
        EXPECT_TRUE(dialog->isVisible());
        whenModal([](QDialog *prompt) {
            auto *p = qobject_cast<NewKeywordWin *>(prompt);
            ASSERT_NE(p, nullptr);
            p->keyEdit()->setText("  holiday ");
            p->pbOk();
        });
        dialog->pbNewKeyword();
        dialog->keywordsLb()->addItem("sea");
        dialog->pbSave();
    });
    window->addKeywords();
    ASSERT_TRUE(window->server().locateRec("1", "DISK", "/photos/a.jpg"));
    EXPECT_EQ(keysOf(window->server().fieldGet("KEYS")), QStringList({"sea", "holiday"}));
    ASSERT_TRUE(window->server().locateRec("1", "DISK", "/photos/b.jpg"));
    EXPECT_EQ(keysOf(window->server().fieldGet("KEYS")), QStringList({"holiday", "sea"}));
}

TEST_F(CatalogWindow, RemovingAFoldersImagesTakesItFromTheTree)
{
    openFolder("1", "DISK", "/other/");
    window->selectAll();
    ui.boxAnswers = {UiSeam::ResultNo};
    window->removeThumbnails();
    EXPECT_EQ(ui.boxes.back().text, "Selected thumbnail(s) will be removed from the archive.");
    EXPECT_NE(window->tree()->findFolder("1", "DISK", "/other/"), nullptr);

    ui.boxAnswers = {UiSeam::ResultYes};
    window->removeThumbnails();
    EXPECT_EQ(window->tree()->findFolder("1", "DISK", "/other/"), nullptr);
    EXPECT_NE(window->tree()->findFolder("1", "DISK", "/photos/"), nullptr);
    EXPECT_EQ(window->fileCount(), 0);
    EXPECT_EQ(window->currentFolder(), "");
    EXPECT_EQ(ui.pleaseWaitTexts.last(), "Rebuilding Archive Tree");
    EXPECT_FALSE(window->server().locateRec("1", "DISK", "/other/c.jpg"));
}

TEST_F(CatalogWindow, OriginalsNeedTheirVolumeAndThumbnailsDoNot)
{
    openFolder("3", "CDVOL", "/");
    window->selectAll();
    ui.boxAnswers = {UiSeam::ResultCancel};
    window->viewOriginalImage();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].caption, "Volume not present");
    EXPECT_EQ(ui.boxes[1].text, "Procedure aborted");

    // The volume is found but the file is not on it.
    setVolumeLabel("/", "CDVOL");
    ui.boxes.clear();
    window->copy2Clipboard();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "File :/d.jpg does not exist at volume: CDVOL");
    setVolumeLabel("/", QString());

    QApplication::clipboard()->clear();
    window->copyThumbnail2Clipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(60, 40));
}

TEST_F(CatalogWindow, ViewingOpensTheFileOfTheMountedVolume)
{
    const QString dir = gbtest::makeTempDir("orig");
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(30, 20, 1, 2, 3), dir + "/v.png", 4, 90, false, 0, 0));
    setVolumeLabel("/", "ROOTVOL");
    add(window->server(), "1", "ROOTVOL", dir + "/", "v.png");
    add(window->server(), "1", "ROOTVOL", dir + "/", "gone.png");
    window->newPathSelected("ROOTVOL", dir + "/", "1");
    window->selectAll();
    window->viewOriginalImage();
    EXPECT_EQ(ui.boxTexts(), QStringList{"File :" + dir + "/gone.png does not exist at volume: ROOTVOL"});
    setVolumeLabel("/", QString());
}

TEST_F(CatalogWindow, SearchListsAndPreviews)
{
    FindInArchiveWin find(window, window->server());
    EXPECT_EQ(find.findTab()->tabText(0), "General");
    find.keywordsPage()->keywordsLb->addItem("SEA");
    find.pbFind();
    ASSERT_EQ(find.previewLv()->topLevelItemCount(), 1);
    EXPECT_EQ(find.row(0).fullPath, "/photos/a.jpg");
    EXPECT_EQ(find.foundFt()->text(), "1");
    // Searched keeps the number of records examined beside the number found.
    EXPECT_EQ(find.searchedFt()->text(), "4");
    find.previewLv()->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(find.previewShown());

    find.keywordsPage()->keywordsLb->clear();
    find.generalPage()->cd->setChecked(false);
    find.pbFind();
    EXPECT_EQ(find.previewLv()->topLevelItemCount(), 3);
    EXPECT_EQ(find.searchedFt()->text(), "3");

    // A search that stops leaves the list as it was; one that finds nothing leaves Found empty.
    for (QCheckBox *b : {find.generalPage()->fixedDisks, find.generalPage()->networkDisks,
                         find.generalPage()->removableDisks})
        b->setChecked(false);
    find.pbFind();
    EXPECT_EQ(ui.boxes.back().text, "Define at least one media type");
    EXPECT_EQ(find.previewLv()->topLevelItemCount(), 3);
    find.generalPage()->cd->setChecked(true);
    find.generalPage()->incInFile->setText("  zzz ");
    find.pbFind();
    EXPECT_EQ(find.previewLv()->topLevelItemCount(), 0);
    EXPECT_EQ(find.foundFt()->text(), "");
    EXPECT_EQ(find.searchedFt()->text(), "1");
}

TEST(SearchPages, DefaultsAndReading)
{
    GeneralFindWin general;
    EXPECT_EQ(general.aMediaTypes(), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(general.sizeGreater(), 0);
    EXPECT_FALSE(general.modifiedAfter().isValid());
    general.excFromFile->setText("   ");
    EXPECT_EQ(general.excludeFromFile(), "");
    general.modAfter->setText("not a date");
    EXPECT_FALSE(general.modifiedAfter().isValid());
    FindImageFormatWin formats;
    EXPECT_EQ(formats.imageTypes().size(), 10);
    formats.boxes[3]->setChecked(false);
    EXPECT_FALSE(formats.imageTypes().contains("JPG"));
    FindKeywordsWin keys;
    EXPECT_FALSE(keys.all());
    EXPECT_FALSE(keys.exactMatch());
    EXPECT_FALSE(keys.caseSensitive());
    keys.keywordsLb->addItems({"b", "a", "b"});
    QStringList read = keys.keywords();
    EXPECT_EQ(read, QStringList({"a", "b", "b"}));
    read[0] = "changed";
    EXPECT_EQ(keys.keywords().first(), "a");
    gbtest::ScriptedUi ui;
    keys.pbRemoveKeyword();
    EXPECT_EQ(ui.boxTexts(), QStringList{"Select at least one keyword to remove from the list"});
    FindCommentsWin comments;
    EXPECT_EQ(comments.includeInComments(), "");
    EXPECT_FALSE(comments.caseSensitive());
}

TEST(CatalogDialogs, LabelIsCutTrimmedAndKept)
{
    gbtest::ScriptedUi ui;
    EnterLabelWin dialog(nullptr, "/");
    dialog.labelEdit()->setText("    ");
    dialog.pbOk();
    EXPECT_EQ(ui.boxTexts(), QStringList{"Please enter a label"});
    dialog.labelEdit()->setText("   ABCDEFGHIJKL");
    dialog.pbOk();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.newLabel(), "ABCDEFGH");
    EXPECT_EQ(getVolumeLabel("/"), "ABCDEFGH");
    setVolumeLabel("/", QString());

    EnterLabelWin refused(nullptr, "/no/such/drive/");
    refused.labelEdit()->setText("X");
    refused.pbOk();
    EXPECT_TRUE(ui.boxes.back().text.startsWith("\r\nError: "));
    EXPECT_EQ(refused.newLabel(), "");

    ShowErrorsWin errors(nullptr, {"b error", "C error", "a error"});
    EXPECT_EQ(errors.errorsLb()->item(0)->text(), "a error");
    EXPECT_EQ(errors.errorsLb()->item(2)->text(), "C error");
}

TEST(CatalogDialogs, AddImagesDialogGathersFilesOnce)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir("pick") + "/";
    QDir().mkpath(dir + "sub/deep");
    QDir().mkpath(dir + "empty");
    for (const char *f : {"a.jpg", "B.PNG", "note.txt", "c.jpeg", "sub/d.gif", "sub/deep/e.psd"})
        ASSERT_TRUE(gbtest::writeFile(dir + QString::fromUtf8(f), "x"));
    // A link back up the tree would loop a walk that followed it.
    ASSERT_TRUE(QFile::link(dir, dir + "sub/loop"));

    AddImagesWin dialog;
    dialog.setCurrentPath(dir);
    ASSERT_EQ(dialog.availableLb()->count(), 2);
    // The list sorts as every listing does, ignoring case.
    EXPECT_EQ(dialog.availableLb()->item(0)->text(), "a.jpg");
    dialog.pbSelectSome();
    EXPECT_EQ(ui.boxTexts(), QStringList{"Select at least one file on available files list"});
    dialog.availableLb()->item(1)->setSelected(true);
    dialog.pbSelectSome();
    EXPECT_EQ(dialog.selectedFiles(), QStringList{dir + "B.PNG"});

    dialog.pbSelectPath();
    EXPECT_EQ(dialog.selectedFiles(),
              QStringList({dir + "B.PNG", dir + "a.jpg", dir + "sub/d.gif", dir + "sub/deep/e.psd"}));
    EXPECT_EQ(dialog.selFt()->text(), "4");
    EXPECT_EQ(dialog.curPathFt()->text(), dir);
    EXPECT_EQ(dialog.selectedLb()->item(0)->text(), dir + "a.jpg");

    dialog.setCurrentPath(QString());
    EXPECT_EQ(dialog.availableLb()->count(), 0);
    dialog.pbSelectAll();
    EXPECT_EQ(dialog.selectedFiles().size(), 4);

    dialog.pbDeselectAll();
    EXPECT_EQ(dialog.selFt()->text(), "0");
    dialog.pbAdd();
    EXPECT_EQ(ui.boxTexts().last(), "Select at least one image file");
    dialog.loadFiles({dir + "a.jpg"});
    dialog.overwriteCb()->setChecked(true);
    dialog.pbAdd();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_TRUE(dialog.overwrite());
}

// Both lists of the dialog sort names as the explorer does: "backgrounds_aitzgorri" before
// "backgrounds_Bridge", whatever the letter case.
TEST(CatalogDialogs, AddImagesListsSortIgnoringCase)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir("case") + "/";
    const QStringList sorted = {"alpha.gif", "backgrounds_aitzgorri.jpg", "backgrounds_Bridge.jpg", "Zeta.png"};
    for (const char *f : {"Zeta.png", "backgrounds_Bridge.jpg", "alpha.gif", "backgrounds_aitzgorri.jpg"})
        ASSERT_TRUE(gbtest::writeFile(dir + QString::fromUtf8(f), "x"));
    AddImagesWin dialog;
    dialog.setCurrentPath(dir);
    QStringList available, selected;
    for (int i = 0; i < dialog.availableLb()->count(); ++i)
        available << dialog.availableLb()->item(i)->text();
    EXPECT_EQ(available, sorted);

    dialog.loadFiles({dir + "Zeta.png"});
    dialog.pbSelectAll();
    for (int i = 0; i < dialog.selectedLb()->count(); ++i)
        selected << dialog.selectedLb()->item(i)->text().mid(dir.size());
    EXPECT_EQ(selected, sorted);
}

TEST(CatalogCommands, OpenIsRefusedWhileOpenAndNewCannotReplaceIt)
{
    gbtest::ScriptedUi ui;
    const QString stem = gbtest::freshStem("Twice");
    ASSERT_TRUE(createNewArchive(nullptr, stem));
    ui.openAnswers = {{stem + ".dbf"}, {stem + ".dbf"}};
    QPointer<ArchiveExplorer> first = openArchiveCommand(nullptr);
    ASSERT_TRUE(first);
    EXPECT_EQ(openArchiveCommand(nullptr), nullptr);
    EXPECT_EQ(ui.boxTexts(), QStringList{"This catalog is already opened"});

    ui.saveAnswers = {stem + ".dbf"};
    EXPECT_EQ(newArchiveCommand(nullptr), nullptr);
    EXPECT_EQ(ui.boxTexts().last(), "Failed to create new image catalog");

    first->close();
    QApplication::processEvents();
    EXPECT_FALSE(gaOpenArchives.contains(stem));
    ui.openAnswers = {{stem + ".dbf"}};
    QPointer<ArchiveExplorer> again = openArchiveCommand(nullptr);
    ASSERT_TRUE(again);
    again->close();
}

TEST_F(CatalogWindow, AddingReportsAndRebuildsTheTree)
{
    const QString dir = gbtest::makeTempDir("adding") + "/";
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(300, 200, 9, 9, 9), dir + "new.png", 4, 90, false, 0, 0));
    ASSERT_TRUE(gbtest::writeFile(dir + "bad.jpg", "nothing"));
    setVolumeLabel("/", "ADDVOL");
    openFolder("1", "DISK", "/photos/");
    QStringList shownErrors;
    whenModal([&](QDialog *d) {
        auto *errors = qobject_cast<ShowErrorsWin *>(d);
        ASSERT_NE(errors, nullptr);
        shownErrors << errors->errorsLb()->item(0)->text();
        d->done(1);
    });
    window->setAddThreads(2);
    const AddImagesResult r = window->addImages({dir + "new.png", dir + "bad.jpg"}, false);
    EXPECT_EQ(r.added, 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Info");
    EXPECT_EQ(ui.boxes[0].text, "1 file(s) added\n\r");
    ASSERT_EQ(shownErrors.size(), 1);
    EXPECT_TRUE(shownErrors[0].startsWith("File: " + dir + "bad.jpg Error: "));
    // The tree was built again: the new folder is there and nothing is listed.
    EXPECT_NE(window->tree()->findFolder("1", "ADDVOL", dir), nullptr);
    EXPECT_EQ(window->fileCount(), 0);
    EXPECT_EQ(window->statusTexts(), QStringList({"Files: 0", "Selected: 0"}));

    // Refreshing only leaves the tree and the grid as they were.
    openFolder("1", "ADDVOL", dir);
    ui.boxes.clear();
    window->addImages({dir + "new.png"}, true);
    EXPECT_EQ(ui.boxes.at(0).text, "1 file(s) refreshed\n\r");
    EXPECT_EQ(window->fileCount(), 1);
    setVolumeLabel("/", QString());
}

// Abort on the adding run's progress window, pressed as the run first serves events: the
// run stops before the next file, says so, and the tree shows what was added. Meanwhile
// the catalog window takes no click and does not close.
TEST_F(CatalogWindow, AbortOnTheAddingProgressWindowStopsTheRun)
{
    const QString dir = gbtest::makeTempDir("aborting") + "/";
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << dir + QString("p%1.png").arg(i);
        ASSERT_TRUE(saveRgb2File(RgbImage::filled(30 + i, 20, 9, 9, 9), files.last(), 4, 90, false, 0, 0));
    }
    setVolumeLabel("/", "ADDVOL");
    window->setAddThreads(2);
    ui.boxAnswers = {UiSeam::ResultYes};
    QTreeWidget *tree = window->tree();
    ASSERT_EQ(tree->currentItem(), nullptr);
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        const QRect fixedDisks = tree->visualItemRect(tree->topLevelItem(0)->child(0));
        ASSERT_TRUE(fixedDisks.isValid());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, fixedDisks.center());
        EXPECT_EQ(tree->currentItem(), nullptr);
        window->close();
        CollectDataWin *progress = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *p = qobject_cast<CollectDataWin *>(w); p && p->isVisible())
                progress = p;
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(progress->windowTitle(), "Creating thumbnails ...");
        ASSERT_NE(progress->abortButton(), nullptr);
        QTest::mouseClick(progress->abortButton(), Qt::LeftButton);
        clicked = true;
    });
    const AddImagesResult r = window->addImages(files, false);
    ASSERT_TRUE(clicked);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(r.aborted);
    // The file under way when Abort was pressed, if any, is written; no later one is.
    EXPECT_LE(r.added, 1);
    QStringList expected = {"Abort procedure ?", "Procedure has been stoped by the user"};
    if (r.added == 1)
        expected << "1 file(s) added\n\r";
    EXPECT_EQ(ui.boxTexts(), expected);
    EXPECT_EQ(window->tree()->findFolder("1", "ADDVOL", dir) != nullptr, r.added == 1);
    EXPECT_EQ(window->server().recCount(), 4u + uint32_t(r.added));
    EXPECT_EQ(window->fileCount(), 0);
    setVolumeLabel("/", QString());
}

TEST_F(CatalogWindow, FoundImageOpensItsFolderSelected)
{
    whenModal([](QDialog *d) {
        auto *find = qobject_cast<FindInArchiveWin *>(d);
        ASSERT_NE(find, nullptr);
        find->generalPage()->incInFile->setText("b");
        find->pbFind();
        ASSERT_EQ(find->previewLv()->topLevelItemCount(), 1);
        emit find->previewLv()->itemDoubleClicked(find->previewLv()->topLevelItem(0), 0);
        find->pbCancel();
    });
    window->findImage();
    EXPECT_EQ(window->currentFolder(), "/photos/");
    EXPECT_EQ(window->grid()->getSelectedFiles(), QStringList{"/photos/b.jpg"});
}

TEST_F(CatalogWindow, PrintingImagesWithoutRecordsDoesNothing)
{
    openFolder("1", "DISK", "/other/");
    window->selectAll();
    // The records go away behind the grid's back.
    removeRecords(window->server(), "1", "DISK", {"/other/c.jpg"});
    window->printThumbs();
    window->previewThumbs();
    EXPECT_TRUE(ui.boxes.empty());
}

// Enter presses each catalog dialog's own action, never a keyword or folder button.
TEST(CatalogDialogs, EnterPressesTheDefaultButton)
{
    gbtest::ScriptedUi ui;
    AddImagesWin add;
    EXPECT_EQ(gbtest::buttonsPressedByEnter(add), QStringList{"Add"});
    ThumbDataWin data;
    EXPECT_EQ(gbtest::buttonsPressedByEnter(data), QStringList{"Save"});
    BatchAddKeywordsWin keywords;
    EXPECT_EQ(gbtest::buttonsPressedByEnter(keywords), QStringList{"Save"});
    EXPECT_TRUE(ui.dialogs.empty());
}
