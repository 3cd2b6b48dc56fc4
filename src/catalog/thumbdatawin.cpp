#include "catalog/thumbdatawin.h"

#include "catalog/keywordlist.h"
#include "catalog/physicalinfowin.h"
#include "common/dialogunits.h"
#include "common/sortedlist.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gb {

KeywordsWin::KeywordsWin(QWidget *owner) : QWidget(owner)
{
    mList = makeKeywordList(this);
    auto *newKey = new QPushButton(QStringLiteral("New Keyword"), this);
    auto *remove = new QPushButton(QStringLiteral("Remove Keyword"), this);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(newKey);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(mList, 1);
    layout->addLayout(buttons);
    connect(newKey, &QPushButton::clicked, this, &KeywordsWin::pbNewKeyword);
    connect(remove, &QPushButton::clicked, this, &KeywordsWin::pbRemoveKeyword);
}

void KeywordsWin::setKeywords(const QStringList &keywords)
{
    for (const QString &k : keywords)
        if (!k.isEmpty())
            addSortedRow(mList, k);
}

QStringList KeywordsWin::keywords() const
{
    return listedKeywords(mList);
}

void KeywordsWin::pbNewKeyword()
{
    promptNewKeyword(this, mList);
}

void KeywordsWin::pbRemoveKeyword()
{
    removeSelectedKeywords(this, mList, QStringLiteral("Select at least one keyword to remove"));
}

ThumbCommentsWin::ThumbCommentsWin(QWidget *owner) : QWidget(owner)
{
    mEdit = new QPlainTextEdit(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mEdit);
}

void ThumbCommentsWin::setComments(const QString &text)
{
    mLineBreak = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    mEdit->setPlainText(shown);
}

QString ThumbCommentsWin::comments() const
{
    QString text = mEdit->toPlainText();
    if (mLineBreak != QLatin1String("\n"))
        text.replace(QLatin1String("\n"), mLineBreak);
    return text;
}

ThumbDataWin::ThumbDataWin(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Image Info"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    mTabs = new QTabWidget(this);
    mPhysical = new PhysicalInfoWin(mTabs);
    mKeywordsPage = new KeywordsWin(mTabs);
    mCommentsPage = new ThumbCommentsWin(mTabs);
    mTabs->addTab(mPhysical, QStringLiteral("Physical"));
    mTabs->addTab(mKeywordsPage, QStringLiteral("Keywords"));
    mTabs->addTab(mCommentsPage, QStringLiteral("Comments"));
    mTabs->setCurrentIndex(0);
    auto *save = new QPushButton(QStringLiteral("Save"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mTabs, 1);
    layout->addLayout(buttons);
    resize(520, 360);
    connect(save, &QPushButton::clicked, this, &ThumbDataWin::pbSave);
    connect(cancel, &QPushButton::clicked, this, &ThumbDataWin::pbClose);
    makeEnterButton(save);
}

void ThumbDataWin::pbSave()
{
    mKeywords = mKeywordsPage->keywords();
    mComments = mCommentsPage->comments();
    done(1);
}

void ThumbDataWin::pbClose()
{
    done(-1);
}

} // namespace gb
