// The main window's keys and child windows as a user meets them: a catalog opened with Alt+4
// and closed from its File menu, the explorer's keypad Remove key, the catalog's Alt+V, and
// where the keys go after the splitter closes.

#include "app/mainshellwindow.h"
#include "app/mdibackground.h"
#include "app/tools.h"
#include "catalog/archiveexplorer.h"
#include "catalog/archivethumbswin.h"
#include "catalog/openarchive.h"
#include "common/globals.h"
#include "explorer/dirtree.h"
#include "explorer/fileexplorer.h"
#include "explorer/findimagewin.h"
#include "image/imagesave.h"
#include "image/imagesplitwin.h"
#include "image/imagethumbswin.h"
#include "image/imagetypes.h"
#include "image/wincaption.h"
#include "explorer/explorertree.h"
#include "support/modal.h"
#include "support/testutil.h"
#include "mainwindowfixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

using namespace gb;
using gbtest::look;
using gbtest::settle;

namespace {

const QString kRemoveQuestion = "Selected file(s) will be removed and they cannot be restored later.";

class WindowKeys : public gbtest::MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QApplication::setActiveWindow(mMain.get());
        settle();
    }

    // Keys as the window system hands them over: to whichever widget has the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *to = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        ASSERT_NE(to, nullptr);
        QTest::keyClick(to, key, modifiers);
        settle();
    }

    template<class Window>
    Window *child() const
    {
        for (const QPointer<QWidget> &w : mMain->childList())
            if (auto *found = qobject_cast<Window *>(w.data()))
                return found;
        return nullptr;
    }

    // A catalog of one image, opened with Alt+4 as the user does.
    ArchiveExplorer *openCatalogWithKey()
    {
        const QString stem = gbtest::makeTempDir("catalog") + "/Holidays";
        if (!createNewArchive(nullptr, stem))
            return nullptr;
        mUi.openAnswers.push_back({stem + ".dbf"});
        press(Qt::Key_4, Qt::AltModifier);
        return child<ArchiveExplorer>();
    }

    // An explorer (Alt+5) showing a folder of three images, the second one selected by a
    // click on its caption.
    FileExplorer *openExplorerOnImages()
    {
        mFolder = gbtest::makeTempDir("keysfolder") + "/";
        for (const char *name : {"a.png", "b.png", "c.png"})
            if (!saveRgb2File(RgbImage::filled(40, 30, 200, 90, 20), mFolder + name, 4, 90, false, 0, 0))
                return nullptr;
        press(Qt::Key_5, Qt::AltModifier);
        FileExplorer *e = child<FileExplorer>();
        if (!e)
            return nullptr;
        gbtest::selectFolder(*e, mFolder);
        settle();
        QTest::mouseClick(e->oThumbs()->captionCell(1), Qt::LeftButton, {}, QPoint(5, 5));
        settle();
        return e;
    }

    QStringList menuBarTitles() const
    {
        QStringList titles;
        for (QAction *a : mMain->menuBar()->actions())
            titles << a->text();
        return titles;
    }

    QString mFolder;
};

} // namespace

// File -> Close Catalog takes the catalog's window away whole; the main window gets its own
// menus and toolbar back, as after closing the explorer.
TEST_F(WindowKeys, ClosingACatalogFromItsMenuGivesTheMainWindowItsMenusBack)
{
    const QStringList shellTitles = menuBarTitles();
    ArchiveExplorer *catalog = openCatalogWithKey();
    ASSERT_NE(catalog, nullptr);
    const QString stem = catalog->stem();
    ASSERT_EQ(mMain->mdiArea()->subWindowList().size(), 1);
    ASSERT_NE(mMain->currentMenu(), mMain->shellMenu());
    EXPECT_EQ(menuBarTitles(), QStringList({"&File", "&Thumbnails", "&View", "&Window", "&Help"}));
    look("catalog-open");

    QAction *closeCatalog = mMain->currentMenu()->action(15404);
    ASSERT_NE(closeCatalog, nullptr);
    EXPECT_EQ(closeCatalog->text(), "Close &Catalog");
    closeCatalog->trigger();
    settle();
    look("catalog-closed");

    EXPECT_TRUE(mMain->mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(gaOpenArchives.contains(stem));
    EXPECT_EQ(mMain->currentMenu(), mMain->shellMenu());
    EXPECT_EQ(menuBarTitles(), shellTitles);
    ASSERT_NE(mMain->shellMenu()->toolBar(), nullptr);
    EXPECT_TRUE(mMain->shellMenu()->toolBar()->isVisible());
    // The shell's keys work again: the catalog opens anew.
    EXPECT_NE(openCatalogWithKey(), nullptr);
}

// The explorer's Remove key is the keypad's decimal key: under X11 it comes as Delete with
// Num Lock off and as the point with Num Lock on, both flagged as keypad keys, wherever the
// focus is in the explorer. The main keyboard's Delete and point remove nothing.
TEST_F(WindowKeys, TheKeypadDelKeyRemovesTheSelectionWithNumLockOffAndOn)
{
    FileExplorer *e = openExplorerOnImages();
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->oThumbs()->selCount(), 1);
    struct Case {
        const char *name;
        QWidget *focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool asks;
    };
    const Case cases[] = {
        {"keypad, Num Lock off, grid", e->oThumbs(), Qt::Key_Delete, Qt::KeypadModifier, true},
        {"keypad, Num Lock on, grid", e->oThumbs(), Qt::Key_Period, Qt::KeypadModifier, true},
        {"keypad, Num Lock off, tree", e->oDirTree(), Qt::Key_Delete, Qt::KeypadModifier, true},
        {"keypad, Num Lock on, tree", e->oDirTree(), Qt::Key_Period, Qt::KeypadModifier, true},
        {"main Delete", e->oThumbs(), Qt::Key_Delete, Qt::NoModifier, false},
        {"main point", e->oThumbs(), Qt::Key_Period, Qt::NoModifier, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.focus->setFocus(Qt::OtherFocusReason);
        settle();
        mUi.boxes.clear();
        mUi.boxAnswers = {UiSeam::ResultNo};
        press(c.key, c.modifiers);
        EXPECT_EQ(mUi.boxTexts(), c.asks ? QStringList{kRemoveQuestion} : QStringList{});
    }

    // Answered Yes, the file goes.
    e->oThumbs()->setFocus(Qt::OtherFocusReason);
    mUi.boxAnswers = {UiSeam::ResultYes};
    press(Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_FALSE(QFileInfo::exists(mFolder + "b.png"));
    EXPECT_TRUE(QFileInfo::exists(mFolder + "a.png"));
}

// Alt+V is the catalog's "View original image" key, although it is also the mnemonic of its
// "&View" menu: the key wins, the menu still opens with its own letter from the menu bar.
TEST_F(WindowKeys, AltVInACatalogViewsTheOriginalImage)
{
    ArchiveExplorer *catalog = openCatalogWithKey();
    ASSERT_NE(catalog, nullptr);
    catalog->grid()->setFocus(Qt::OtherFocusReason);
    settle();
    for (int round = 0; round < 2; ++round) { // a clash would alternate between the two
        SCOPED_TRACE(round);
        mUi.boxes.clear();
        press(Qt::Key_V, Qt::AltModifier);
        EXPECT_EQ(mUi.boxTexts(), QStringList{"Select image to edit"});
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    // Alt+K, the other letter key of the window, and the menus' own letters still work.
    mUi.boxes.clear();
    press(Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(mUi.boxes.size(), 1u);
    press(Qt::Key_T, Qt::AltModifier);
    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->title(), "&Thumbnails");
    popup->close();
    settle();
}

// After the splitter's "Procedure finished." the keys come back to the explorer: F6 opens
// its find dialog without a click first.
TEST_F(WindowKeys, AfterSplittingTheKeysGoBackToTheExplorer)
{
    FileExplorer *e = openExplorerOnImages();
    ASSERT_NE(e, nullptr);
    const QString tiles = gbtest::makeTempDir("tiles");
    gbtest::whenModal([&](QDialog *d) {
        auto *split = qobject_cast<ImageSplitWin *>(d);
        ASSERT_NE(split, nullptr);
        split->rowsEdit()->setText("2");
        split->colsEdit()->setText("2");
        split->folderEdit()->setText(tiles);
        split->createHtmlBox()->setChecked(false);
        split->imageTypeBox()->setCurrentIndex(split->imageTypeBox()->findData(int(ImageTypePng)));
        QTest::mouseClick(split->okButton(), Qt::LeftButton);
        if (split->isVisible()) {
            ADD_FAILURE() << mUi.boxTexts().join('|').toStdString();
            split->reject();
        }
    });
    QAction *splitCommand = mMain->currentMenu()->action(15176);
    ASSERT_NE(splitCommand, nullptr);
    splitCommand->trigger();
    settle();
    ASSERT_EQ(mUi.boxTexts(), QStringList{"Procedure finished."});
    ASSERT_EQ(QDir(tiles).entryList(QDir::Files).size(), 4);

    EXPECT_EQ(QApplication::activeWindow(), mMain.get());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(e->isAncestorOf(QApplication::focusWidget()));
    bool findOpened = false;
    gbtest::whenModal([&](QDialog *d) {
        findOpened = qobject_cast<FindImageWin *>(d) != nullptr;
        d->reject();
    });
    press(Qt::Key_F6);
    EXPECT_TRUE(findOpened);
}
