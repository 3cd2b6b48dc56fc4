#include "common/imagelistfiles.h"
#include "gallery_setup/hgcommentswin.h"
#include "gallery_setup/hgsiwin.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using gb::HgCommentsWin;
using gb::HgSiWin;

namespace {

// Types into a field of the comments page and leaves it, which is when the text is kept.
void typeAndLeave(QWidget *field, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setText(text);
    else
        static_cast<QPlainTextEdit *>(field)->setPlainText(text);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field, &out);
}

struct Pages {
    HgSiWin source;
    HgCommentsWin comments{nullptr, &source};
};

QStringList titles(const HgCommentsWin &page)
{
    QStringList t;
    for (const auto &[title, comment] : page.updatedData())
        t << title;
    return t;
}

} // namespace

TEST(HgCommentsWin, TitlesFollowTheirImageThroughReorderingAndCase)
{
    gbtest::ScriptedUi ui;
    Pages p;
    p.source.loadFiles({"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"});
    p.comments.updateWin();
    EXPECT_EQ(p.comments.selectedLb()->currentRow(), 0);
    p.comments.selectedLb()->setCurrentRow(1);
    typeAndLeave(p.comments.titleEdit(), "Bee");
    typeAndLeave(p.comments.commentsEdit(), "first\nsecond");

    // b moves to the top on the source page; its title and comment go with it.
    p.source.selectedLb()->setCurrentRow(1);
    p.source.pbMoveUp();
    p.comments.updateWin();
    EXPECT_EQ(titles(p.comments), QStringList({"Bee", "", ""}));
    EXPECT_EQ(p.comments.updatedData()[0].second, "first\r\nsecond");
    EXPECT_EQ(p.comments.titleEdit()->text(), "Bee");

    // The same image named in another letter case keeps them too.
    p.source.pbDeselectAll();
    p.source.loadFiles({"/P/B.JPG", "/p/c.jpg"});
    p.comments.updateData();
    EXPECT_EQ(titles(p.comments), QStringList({"Bee", ""}));

    // With nothing selected, typing stores nothing.
    p.source.pbDeselectAll();
    p.comments.updateWin();
    typeAndLeave(p.comments.titleEdit(), "lost");
    EXPECT_TRUE(p.comments.updatedData().empty());
}

TEST(HgCommentsWin, CommentsFilesAreSavedAndReadBack)
{
    gbtest::ScriptedUi ui;
    const QString file = (gbtest::makeTempDir() + "/") + "notes.icf";
    Pages p;
    p.source.loadFiles({"/p/a.jpg", "/p/b.jpg"});
    p.comments.updateWin();
    typeAndLeave(p.comments.titleEdit(), "Alpha <i>one</i>");
    typeAndLeave(p.comments.commentsEdit(), "line 1\nline 2");
    ui.saveAnswers = {file};
    p.comments.findChild<QPushButton *>("PBSAVE2FILE")->click();
    const QByteArray written = gbtest::readFile(file);
    EXPECT_TRUE(written.startsWith("Glimmerbox Ver. 2.1 Image Comments File\r\n/p/a.jpg\r\nAlpha <i>one</i>\r\nline 1\r\nline 2\r\n</eor>\r\n"))
        << written.toStdString();

    // Another window reads it back for the images it has; others keep theirs.
    Pages q;
    q.source.loadFiles({"/p/c.jpg", "/P/A.jpg"});
    q.comments.updateWin();
    typeAndLeave(q.comments.titleEdit(), "Sea");
    ui.openAnswers = {QStringList{file}};
    q.comments.findChild<QPushButton *>("PBLOADFROMFILE")->click();
    EXPECT_EQ(titles(q.comments), QStringList({"Sea", "Alpha <i>one</i>"}));
    EXPECT_EQ(q.comments.updatedData()[1].second, "line 1\r\nline 2");
    EXPECT_EQ(q.comments.selectedLb()->currentRow(), 0);

    // A file of another format is refused with its message and changes nothing.
    const QString other = (gbtest::makeTempDir() + "/") + "other.icf";
    ASSERT_TRUE(gbtest::writeFile(other, "not a comments file\r\n"));
    ui.openAnswers = {QStringList{other}};
    q.comments.findChild<QPushButton *>("PBLOADFROMFILE")->click();
    EXPECT_EQ(ui.boxTexts().last(), "Unrecognized Comments File Format.");
    EXPECT_EQ(titles(q.comments), QStringList({"Sea", "Alpha <i>one</i>"}));
}

// The gallery's source page is the shared source images page: its list rules hold here.
TEST(HgSiWin, SelectionRules)
{
    gbtest::ScriptedUi ui;
    const QString folder = (gbtest::makeTempDir() + "/");
    for (const char *name : {"b.gif", "A.jpg", "c.bmp", "d.jpeg"})
        ASSERT_TRUE(gbtest::writeFile(folder + name, "x"));
    HgSiWin page;
    page.curFolder()->setEditText(folder.chopped(1));
    page.newPathSelected();
    QStringList listed;
    for (int i = 0; i < page.availableLb()->count(); ++i)
        listed << page.availableLb()->item(i)->text();
    EXPECT_EQ(listed, QStringList({folder + "A.jpg", folder + "b.gif", folder + "c.bmp"}));

    page.availableLb()->setCurrentRow(2);
    ASSERT_TRUE(page.availableLb()->currentItem()->isSelected()) << page.availableLb()->selectionMode();
    page.pbSelectSome();
    page.pbSelectSome(); // the last line stays highlighted; no second entry
    page.loadFiles({folder + "c.bmp", folder + "A.jpg"});
    EXPECT_EQ(page.selectedFiles(), QStringList({folder + "c.bmp", folder + "A.jpg"}));
    page.selectedLb()->setCurrentRow(-1);
    page.pbMoveUp();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select an image file from selected files list"}));

    // An image list naming missing or empty files keeps only the others, repeats included.
    const QString list = (gbtest::makeTempDir() + "/") + "l.ifl";
    ASSERT_TRUE(gbtest::writeFile(list, (folder + "b.gif\r\n/nowhere.jpg\r\n" + folder + "b.gif\r\n").toUtf8()));
    ui.openAnswers = {QStringList{list}};
    page.pbLoadImageList();
    EXPECT_EQ(page.selectedFiles(), QStringList({folder + "b.gif", folder + "b.gif"}));
}
