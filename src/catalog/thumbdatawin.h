#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace gb {

class PhysicalInfoWin;

// The "Keywords" page of the image information dialog: a sorted keyword list with New and
// Remove. Empty texts are never listed.
class KeywordsWin : public QWidget
{
    Q_OBJECT
public:
    explicit KeywordsWin(QWidget *owner = nullptr);
    void setKeywords(const QStringList &keywords);
    // Every listed keyword, in the list's sorted order.
    QStringList keywords() const;
    QListWidget *keywordsLb() const { return mList; }

public slots:
    void pbNewKeyword();
    void pbRemoveKeyword();

private:
    QListWidget *mList;
};

// The "Comments" page: one multi-line edit. The comment comes back as the user left it;
// when the stored comment broke its lines with "\r\n", the edited one does too, so an
// unchanged comment reads back exactly as it was stored.
class ThumbCommentsWin : public QWidget
{
    Q_OBJECT
public:
    explicit ThumbCommentsWin(QWidget *owner = nullptr);
    void setComments(const QString &text);
    QString comments() const;
    QPlainTextEdit *commentsEdit() const { return mEdit; }

private:
    QPlainTextEdit *mEdit;
    QString mLineBreak = QStringLiteral("\n");
};

// "Image Info": what the catalog holds about one image, on the pages "Physical", "Keywords"
// and "Comments". The caller fills the pages, shows the dialog and, on 1 (Save), reads
// keywords() and comments(); Cancel gives -1 and leaves both empty. The dialog itself
// never touches the catalog.
class ThumbDataWin : public QDialog
{
    Q_OBJECT
public:
    explicit ThumbDataWin(QWidget *owner = nullptr);

    PhysicalInfoWin *firstTab() const { return mPhysical; }
    KeywordsWin *keywordsWin() const { return mKeywordsPage; }
    ThumbCommentsWin *commentsWin() const { return mCommentsPage; }
    QTabWidget *tabControl() const { return mTabs; }

    QStringList keywords() const { return mKeywords; }
    QString comments() const { return mComments; }

public slots:
    void pbSave();
    void pbClose();

private:
    QTabWidget *mTabs;
    PhysicalInfoWin *mPhysical;
    KeywordsWin *mKeywordsPage;
    ThumbCommentsWin *mCommentsPage;
    QStringList mKeywords;
    QString mComments;
};

} // namespace gb
