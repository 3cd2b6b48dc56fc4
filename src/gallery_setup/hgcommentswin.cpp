#include "gallery_setup/hgcommentswin.h"

#include "common/globals.h"
#include "gallery_setup/hgsiwin.h"
#include "gallery_setup/pagefields.h"
#include "image/previewft.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {

namespace {

// Gives each entry the title and comment of the first of `from` with its path, letter case
// aside.
void takeTexts(std::vector<CommentEntry> &entries, const std::vector<CommentEntry> &from)
{
    QHash<QString, const CommentEntry *> byPath;
    for (const CommentEntry &e : from) {
        const QString key = e.file.toUpper();
        if (!byPath.contains(key))
            byPath.insert(key, &e);
    }
    for (CommentEntry &entry : entries) {
        if (const CommentEntry *found = byPath.value(entry.file.toUpper())) {
            entry.title = found->title;
            entry.comment = found->comment;
        }
    }
}

} // namespace

HgCommentsWin::HgCommentsWin(QWidget *owner, HgSiWin *source, int controlId) : SectionPage(owner, controlId), mSource(source)
{
    setObjectName(QStringLiteral("HGCommentsWin"));
    mSelectedLb = new QListWidget(this);
    mSelectedLb->setObjectName(QStringLiteral("SELECTEDLB"));
    mSelectedLb->setToolTip(QStringLiteral("Selected images"));
    mPreview = pageCheck(this, QStringLiteral("PREVIEW"), QStringLiteral("Preview"),
                         QStringLiteral("Check this option to preview each highlighted file from selected files list"));
    mPreviewFt = previewPane(this, QStringLiteral("PREVIEWFT"), QSize(120, 100));
    mTitle = pageEdit(this, QStringLiteral("TITLE"));
    mComments = new QPlainTextEdit(this);
    mComments->setObjectName(QStringLiteral("COMMENTS"));
    mComments->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *save = textButton(this, QStringLiteral("PBSAVE2FILE"), QStringLiteral("Save Titles/Comments To File"));
    auto *load = textButton(this, QStringLiteral("PBLOADFROMFILE"), QStringLiteral("Load Titles/Comments From File"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(fixedText(this, QStringLiteral("Currently Selected Images:"), QStringLiteral("FIXEDTEXT2")), 0, 0);
    grid->addWidget(mSelectedLb, 1, 0, 4, 1);
    auto *preview = new QVBoxLayout;
    preview->addWidget(mPreview);
    preview->addWidget(mPreviewFt);
    preview->addStretch();
    grid->addLayout(preview, 1, 1, 4, 1);
    grid->addWidget(fixedText(this, QStringLiteral("Title of highlighted image:"), QStringLiteral("FIXEDTEXT3")), 0, 2);
    grid->addWidget(mTitle, 1, 2);
    grid->addWidget(fixedText(this, QStringLiteral("Comments for highlighted image:"), QStringLiteral("FIXEDTEXT4")), 2,
                    2);
    grid->addWidget(mComments, 3, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(load);
    grid->addLayout(buttons, 4, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);

    mTitle->installEventFilter(this);
    mComments->installEventFilter(this);
    connect(mSelectedLb, &QListWidget::currentRowChanged, this, [this] {
        refreshPreview();
        refreshControls();
    });
    connect(mPreview, &QCheckBox::clicked, this, &HgCommentsWin::refreshPreview);
    connect(save, &QPushButton::clicked, this, &HgCommentsWin::pbSave2File);
    connect(load, &QPushButton::clicked, this, &HgCommentsWin::pbLoadFromFile);
    loadFiles();
}

void HgCommentsWin::updateData()
{
    const std::vector<CommentEntry> previous = std::move(mEntries);
    mEntries.clear();
    for (const QString &file : mSource->selectedFiles())
        mEntries.push_back(CommentEntry{file, {}, {}});
    takeTexts(mEntries, previous);
}

GalleryTitles HgCommentsWin::updatedData() const
{
    GalleryTitles titles;
    for (const CommentEntry &entry : mEntries)
        titles.emplace_back(entry.title, entry.comment);
    return titles;
}

void HgCommentsWin::updateWin()
{
    updateData();
    loadFiles();
}

void HgCommentsWin::loadFiles()
{
    {
        const QSignalBlocker quiet(mSelectedLb);
        mSelectedLb->clear();
        for (const CommentEntry &entry : mEntries)
            mSelectedLb->addItem(entry.file);
        if (!mEntries.empty())
            mSelectedLb->setCurrentRow(0);
    }
    if (!mEntries.empty())
        refreshControls();
    refreshPreview();
}

int HgCommentsWin::getCurrentImageSeq() const
{
    const QListWidgetItem *item = mSelectedLb->currentItem();
    if (!item)
        return 0;
    for (size_t i = 0; i < mEntries.size(); ++i) {
        if (mEntries[i].file == item->text())
            return int(i) + 1;
    }
    return 0;
}

void HgCommentsWin::refreshControls()
{
    const int k = getCurrentImageSeq();
    // The fields show the entry's text; putting it there is no edit of the user's.
    mTitle->setText(k > 0 ? mEntries[size_t(k - 1)].title : QString());
    QString comment = k > 0 ? mEntries[size_t(k - 1)].comment : QString();
    mComments->setPlainText(comment.replace(gcCrLf, QStringLiteral("\n")));
}

bool HgCommentsWin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const int k = getCurrentImageSeq();
        if (k > 0) {
            CommentEntry &entry = mEntries[size_t(k - 1)];
            if (watched == mTitle)
                entry.title = mTitle->text();
            else if (watched == mComments)
                entry.comment = mComments->toPlainText().replace(QLatin1Char('\n'), gcCrLf);
        }
    }
    return SectionPage::eventFilter(watched, event);
}

void HgCommentsWin::pbSave2File()
{
    saveComments(this, mEntries);
}

void HgCommentsWin::pbLoadFromFile()
{
    const std::vector<CommentEntry> records = readCommentsFile(this);
    if (records.empty())
        return;
    takeTexts(mEntries, records);
    loadFiles();
}

void HgCommentsWin::refreshPreview()
{
    const QListWidgetItem *item = mSelectedLb->currentItem();
    previewFile(mPreviewFt, &mPreviewBlock, mPreview->isChecked() && item ? item->text() : QString());
}

} // namespace gb
