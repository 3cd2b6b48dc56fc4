#include "app/commandrouter.h"
#include "app/menudefs.h"
#include "app/windowmenu.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QToolBar>
#include <QWidget>

#include <gtest/gtest.h>

using namespace gb;

namespace {

// A window with a few commands, to route to.
class Handler : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    QStringList calls;
    bool copyAvailable = true;
public slots:
    void copyFile() { calls << "copyFile"; }
    void helpIndex() { calls << "helpIndex:" + objectName(); }
    void exitApplication() { calls << "exit:" + objectName(); }
    void takesArgument(int) { calls << "wrong"; }
public:
    Q_INVOKABLE bool commandAvailable(const QString &command) const
    {
        return command.compare("COPYFILE", Qt::CaseInsensitive) != 0 || copyAvailable;
    }
};

} // namespace

TEST(Menus, EveryItemIdIsUniqueAndEveryKeyAndButtonNamesAnItem)
{
    for (const MenuDef *def : {&emptyShellMenu(), &explorerMenu(), &archivesMenu(), &exFilesCMenu(), &archiveCMenu(),
                               &findImageCM(), &foldersMenu(), &selectFilesCMenu(), &selectFilesCMenu1()}) {
        QSet<int> ids;
        for (const MenuRow &row : def->rows) {
            if (row.kind == MenuRow::Separator)
                continue;
            EXPECT_FALSE(ids.contains(row.id)) << def->className << " " << row.id;
            ids.insert(row.id);
        }
        for (const Accelerator &acc : def->accelerators)
            EXPECT_TRUE(ids.contains(acc.itemId)) << def->className << " key for " << acc.itemId;
        for (const ToolbarButton &b : def->toolbar)
            EXPECT_TRUE(b.image == 0 || ids.contains(b.itemId)) << def->className << " button " << b.itemId;
        EXPECT_EQ(menuDefByName(QString(def->className).toUpper()), def);
    }
}

TEST(Menus, ShellMenuLayout)
{
    Handler target;
    WindowMenu menu(emptyShellMenu(), &target);
    ASSERT_EQ(menu.popups().size(), 3);
    EXPECT_EQ(menu.popups()[0]->title(), "&Actions");
    EXPECT_EQ(menu.popups()[1]->title(), "&Window");
    EXPECT_EQ(menu.windowListPopup(), menu.popups()[1]);
    EXPECT_EQ(menu.action(15009)->text(), "Image Explorer\tAlt+5");
    EXPECT_EQ(menu.action(15009)->objectName(), "BROWSEIMAGES");
    EXPECT_EQ(menu.action(15009)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_5));
    EXPECT_EQ(menu.action(15024)->shortcut(), QKeySequence(Qt::Key_F1));
    // The catalog items sit in their own popup inside "&Actions".
    QMenu *catalogs = nullptr;
    for (QAction *a : menu.popups()[0]->actions())
        if (a->menu() && a->text() == "&Image Catalogs")
            catalogs = a->menu();
    ASSERT_NE(catalogs, nullptr);
    EXPECT_TRUE(catalogs->actions().contains(menu.action(15005)));
    EXPECT_TRUE(catalogs->actions().contains(menu.action(15008)));
    // Toolbar: eight buttons, a separator, help.
    ASSERT_NE(menu.toolBar(), nullptr);
    const QList<QAction *> buttons = menu.toolBar()->actions();
    ASSERT_EQ(buttons.size(), 10);
    EXPECT_TRUE(buttons[8]->isSeparator());
    EXPECT_EQ(buttons[9], menu.action(15024));
    EXPECT_EQ(menu.action(15000)->toolTip(), "Create HTML pages with image/photo gallery");
    EXPECT_FALSE(menu.action(15000)->icon().isNull());
}

// A disabled button is plainly grey: light, colourless, without the dark outlines of the
// available one.
TEST(Menus, DisabledToolbarButtonsAreLightGrey)
{
    Handler target;
    WindowMenu menu(emptyShellMenu(), &target);
    QAction *button = menu.action(15000); // the gallery: no tool behind it here
    ASSERT_FALSE(button->isEnabled());
    const QImage normal = button->icon().pixmap(QSize(16, 16), QIcon::Normal).toImage();
    const QImage greyed = button->icon().pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    int darkest = 255, darkestNormal = 255;
    bool colour = false;
    for (int y = 0; y < greyed.height(); ++y)
        for (int x = 0; x < greyed.width(); ++x) {
            const QColor c = greyed.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            darkest = std::min(darkest, c.value());
            darkestNormal = std::min(darkestNormal, normal.pixelColor(x, y).value());
            colour = colour || c.red() != c.green() || c.green() != c.blue();
        }
    EXPECT_FALSE(colour);
    EXPECT_GE(darkest, 150);
    EXPECT_LT(darkestNormal, 110);
}

TEST(Menus, KeysOfTheExplorerAndCatalogMenus)
{
    Handler target;
    WindowMenu explorer(explorerMenu(), &target);
    WindowMenu catalog(archivesMenu(), &target);
    EXPECT_EQ(explorer.action(15215)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(explorer.action(15150)->shortcut() == QKeySequence(Qt::Key_F2));
    EXPECT_EQ(catalog.action(15416)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_TRUE(catalog.action(15441)->shortcut().isEmpty()); // no F1 in the catalog window
    EXPECT_EQ(catalog.action(15437)->text(), "WindowTile");
    EXPECT_EQ(explorer.windowListPopup()->title(), "&Window");
    EXPECT_EQ(catalog.windowListPopup()->title(), "&Window");
}

TEST(CommandRouter, FindsTheMethodIgnoringCaseUpTheOwnerChain)
{
    Handler main;
    main.setObjectName("main");
    Handler explorer(&main);
    explorer.setObjectName("explorer");
    QWidget cell(&explorer);

    EXPECT_EQ(CommandRouter::findHandler(&cell, "HELPINDEX"), &explorer);
    EXPECT_TRUE(CommandRouter::dispatch(&cell, "HELPINDEX"));
    EXPECT_EQ(explorer.calls, QStringList({"helpIndex:explorer"}));

    // A method with arguments is not a command handler.
    EXPECT_EQ(CommandRouter::findHandler(&cell, "TAKESARGUMENT"), nullptr);
    EXPECT_FALSE(CommandRouter::dispatch(&cell, "NOSUCHCOMMAND", &main));

    // An explicit owner wins over the parent; the fallback is tried last.
    QWidget floating;
    floating.setProperty("gbOwner", QVariant::fromValue<QObject *>(&main));
    EXPECT_EQ(CommandRouter::findHandler(&floating, "exitapplication"), &main);
    QWidget orphan;
    EXPECT_EQ(CommandRouter::findHandler(&orphan, "EXITAPPLICATION", &main), &main);
}

TEST(CommandRouter, UnavailableCommandsAreDisabledInMenus)
{
    Handler target;
    WindowMenu menu(exFilesCMenu(), &target);
    EXPECT_TRUE(menu.action(15269)->isEnabled());  // COPYFILE
    EXPECT_FALSE(menu.action(15270)->isEnabled()); // MOVEFILE: nobody handles it
    target.copyAvailable = false;
    menu.updateEnabled();
    EXPECT_FALSE(menu.action(15269)->isEnabled());
    target.copyAvailable = true;
    menu.updateEnabled();
    menu.action(15269)->trigger();
    EXPECT_EQ(target.calls, QStringList({"copyFile"}));
}

#include "menus_test.moc"
