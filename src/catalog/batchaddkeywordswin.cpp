#include "catalog/batchaddkeywordswin.h"

#include "catalog/keywordlist.h"
#include "common/dialogunits.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {

BatchAddKeywordsWin::BatchAddKeywordsWin(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Add common keywords to a group of images..."));
    mList = makeKeywordList(this);
    auto *newKey = new QPushButton(QStringLiteral("New Keyword"), this);
    auto *remove = new QPushButton(QStringLiteral("Remove Keyword"), this);
    mSave = new QPushButton(QStringLiteral("Save"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {newKey, remove, mSave, cancel})
        buttons->addWidget(b);
    buttons->insertStretch(2);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(mList, 1);
    layout->addLayout(buttons);
    resize(420, 260);
    connect(newKey, &QPushButton::clicked, this, &BatchAddKeywordsWin::pbNewKeyword);
    connect(remove, &QPushButton::clicked, this, &BatchAddKeywordsWin::pbRemoveKeyword);
    connect(mSave, &QPushButton::clicked, this, &BatchAddKeywordsWin::pbSave);
    connect(cancel, &QPushButton::clicked, this, &BatchAddKeywordsWin::pbCancel);
    makeEnterButton(mSave);
}

void BatchAddKeywordsWin::pbNewKeyword()
{
    promptNewKeyword(this, mList);
}

void BatchAddKeywordsWin::pbRemoveKeyword()
{
    removeSelectedKeywords(this, mList, QStringLiteral("Select at least one keyword to remove"));
}

void BatchAddKeywordsWin::pbSave()
{
    mKeywords = listedKeywords(mList);
    if (!mKeywords.isEmpty())
        done(1);
}

void BatchAddKeywordsWin::pbCancel()
{
    done(-1);
}

} // namespace gb
