#include "catalog/findinarchivewin.h"

#include "catalog/archserver.h"
#include "catalog/catalogpaths.h"
#include "catalog/findpages.h"
#include "common/filepaths.h"
#include "common/messages.h"
#include "image/previewft.h"
#include "image/thumbnail.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace gb {

namespace {

QLabel *framedText(QWidget *parent, Qt::Alignment alignment)
{
    auto *l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(alignment | Qt::AlignVCenter);
    l->setMinimumWidth(70);
    return l;
}

} // namespace

FindInArchiveWin::FindInArchiveWin(QWidget *owner, ArchServer &server) : QDialog(owner), mServer(server)
{
    setWindowTitle(QStringLiteral("Search the archive ..."));
    mTabs = new QTabWidget(this);
    mGeneral = new GeneralFindWin(mTabs);
    mFormat = new FindImageFormatWin(mTabs);
    mKeywords = new FindKeywordsWin(mTabs);
    mComments = new FindCommentsWin(mTabs);
    mTabs->addTab(mGeneral, QStringLiteral("General"));
    mTabs->addTab(mFormat, QStringLiteral("Image Format"));
    mTabs->addTab(mKeywords, QStringLiteral("Keywords"));
    mTabs->addTab(mComments, QStringLiteral("Comments"));
    mTabs->setCurrentIndex(0);

    mFound = framedText(this, Qt::AlignHCenter);
    mSearched = framedText(this, Qt::AlignHCenter);
    mSearchIn = framedText(this, Qt::AlignLeft);
    mPreview = new PreviewFt(this);
    mPreview->setFrameStyle(QFrame::Box | QFrame::Plain);
    mPreview->setFixedSize(110, 110);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    auto *find = new QPushButton(QStringLiteral("Find"), this);
    find->setDefault(true);
    mList = new QTreeWidget(this);
    mList->setRootIsDecorated(false);
    mList->setSelectionMode(QAbstractItemView::SingleSelection);
    mList->setSelectionBehavior(QAbstractItemView::SelectRows);
    mList->setHeaderLabels({QStringLiteral("Media"), QStringLiteral("Volume"), QStringLiteral("Folder"),
                            QStringLiteral("File")});
    const int ch = fontMetrics().averageCharWidth();
    const int widths[] = {7, 7, 15, 16};
    for (int c = 0; c < 4; ++c)
        mList->setColumnWidth(c, (widths[c] + 2) * ch);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(find);
    buttons->addWidget(close);
    buttons->addStretch();
    auto *counts = new QGridLayout;
    counts->addWidget(new QLabel(QStringLiteral("Searched:"), this), 0, 0);
    counts->addWidget(mSearched, 0, 1);
    counts->addWidget(new QLabel(QStringLiteral("Found:"), this), 1, 0);
    counts->addWidget(mFound, 1, 1);
    buttons->addLayout(counts);
    auto *top = new QHBoxLayout;
    top->addWidget(mTabs, 1);
    top->addLayout(buttons);
    auto *previewBox = new QVBoxLayout;
    previewBox->addWidget(new QLabel(QStringLiteral("Preview"), this));
    previewBox->addWidget(mPreview);
    previewBox->addStretch();
    auto *results = new QHBoxLayout;
    results->addWidget(mList, 1);
    results->addLayout(previewBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mSearchIn);
    layout->addLayout(results, 1);
    resize(720, 560);

    connect(find, &QPushButton::clicked, this, &FindInArchiveWin::pbFind);
    connect(close, &QPushButton::clicked, this, &FindInArchiveWin::pbCancel);
    connect(mList, &QTreeWidget::itemSelectionChanged, this, &FindInArchiveWin::listViewSelectionChanged);
    connect(mList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        const Row r = row(mList->indexOfTopLevelItem(item));
        emit imageOpened(r.media, r.volume, r.fullPath);
    });
}

SearchCriteria FindInArchiveWin::criteria() const
{
    SearchCriteria c;
    c.mediaTypes = mGeneral->aMediaTypes();
    c.includeInFile = mGeneral->includeInFile();
    c.excludeFromFile = mGeneral->excludeFromFile();
    c.modifiedAfter = mGeneral->modifiedAfter();
    c.modifiedBefore = mGeneral->modifiedBefore();
    c.sizeGreater = mGeneral->sizeGreater();
    c.sizeLess = mGeneral->sizeLess();
    c.imageTypes = mFormat->imageTypes();
    c.keywords = mKeywords->keywords();
    c.allKeywords = mKeywords->all();
    c.exactMatch = mKeywords->exactMatch();
    c.caseSensitive = mKeywords->caseSensitive();
    c.includeInComments = mComments->includeInComments();
    c.excludeFromComments = mComments->excludeFromComments();
    c.commentsCaseSensitive = mComments->caseSensitive();
    return c;
}

FindInArchiveWin::Row FindInArchiveWin::row(int index) const
{
    const QTreeWidgetItem *item = mList->topLevelItem(index);
    if (!item)
        return {};
    return {item->data(0, Qt::UserRole).toString(), item->data(1, Qt::UserRole).toString(),
            item->data(3, Qt::UserRole).toString()};
}

void FindInArchiveWin::pbFind()
{
    const SearchCriteria c = criteria();
    const SearchCheck check = checkSearchCriteria(c);
    if (!check.message.isEmpty()) {
        errorMsg(this, check.message);
        if (check.stops)
            return;
    }
    mList->clear();
    mFound->clear();
    mSearched->clear();
    mFound->repaint();
    mSearched->repaint();
    int examined = 0, listed = 0;
    // The status line and the counters follow the scan; repainting them for every record
    // would cost more than the scan itself, so they catch up a few times a second.
    QElapsedTimer shown;
    shown.start();
    searchArchive(
        mServer, c,
        [&](const SearchRecord &r) {
            ++examined;
            if (shown.elapsed() >= 100) {
                mSearchIn->setText(getMediaDesc(r.media) + QStringLiteral(" [") + r.volume + QStringLiteral("] ")
                                   + r.fullPath);
                mSearched->setText(QString::number(examined));
                mSearchIn->repaint();
                mSearched->repaint();
                shown.restart();
            }
        },
        [&](const SearchRecord &r) {
            auto *item = new QTreeWidgetItem(mList, {getMediaDesc(r.media), r.volume, folderOfPath(r.fullPath),
                                                     extractFileName(r.fullPath)});
            item->setData(0, Qt::UserRole, r.media);
            item->setData(1, Qt::UserRole, r.volume);
            item->setData(3, Qt::UserRole, r.fullPath);
            ++listed;
            mFound->setText(QString::number(listed));
        });
    // The counters keep the totals of the search that ended: a quick search never showed
    // its running count, and "Found:" beside an empty "Searched:" reads as nothing searched.
    mSearchIn->clear();
    mSearched->setText(QString::number(examined));
    mSearchIn->repaint();
    mSearched->repaint();
    mFound->repaint();
}

void FindInArchiveWin::pbCancel()
{
    done(-1);
}

void FindInArchiveWin::listViewSelectionChanged()
{
    const QList<QTreeWidgetItem *> chosen = mList->selectedItems();
    if (chosen.isEmpty())
        return;
    const Row r = row(mList->indexOfTopLevelItem(chosen.first()));
    updatePreview(r.media, r.volume, r.fullPath);
}

void FindInArchiveWin::updatePreview(const QString &media, const QString &volume, const QString &fullPath)
{
    if (!mServer.locateRec(media, volume, fullPath))
        return;
    previewBytes(mPreview, &mPreviewImage, mServer.fieldGet(QStringLiteral("RGB")).toBytes());
}

} // namespace gb
