#include "batch/wizardwin.h"

#include "batch/wizardpagewin.h"
#include "common/dialogunits.h"
#include "common/helpdisplay.h"
#include "common/imagsysserver.h"
#include "common/messages.h"
#include "common/newkeywordwin.h"
#include "common/settingswin.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>

namespace gb {

namespace {

const QString kUnsaved = QStringLiteral("Unsaved");
const QString kBusy = QStringLiteral("Processing is in progress. Wait until it ends or abort it first.");

QFont boldDialogFont()
{
    QFont font = DialogUnits::dialogFont();
    font.setBold(true);
    return font;
}

// A label on a background of its own.
void paintLabel(QLabel *label, const QColor &background, const QColor &text)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
}

} // namespace

WizardWin::WizardWin(QWidget *owner, WizardSpec spec)
    : QWidget(owner)
    , mSpec(std::move(spec))
{
    setWindowTitle(mSpec.caption);
    if (!mSpec.icon.isNull())
        setWindowIcon(mSpec.icon);
    mUnits = std::make_unique<DialogUnits>(DialogUnits::setUp(this, mSpec.dialogSize.width(), mSpec.dialogSize.height()));
    const DialogUnits &du = *mUnits;
    // The dialog keeps its layout at the top left when its window is made larger.
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    const ControlPlacer place(this, du);
    mSectionsLb = new QListWidget(this);
    place.put(mSectionsLb, {5, 3, 186, 42}, QStringLiteral("SECTIONSLB"));
    mSectionsLb->setSelectionMode(QAbstractItemView::SingleSelection);
    mSectionsLb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mSectionsLb->setFont(boldDialogFont());

    place.framedGroup(QStringLiteral("Settings"), {201, 6, 140, 40})->setObjectName(QStringLiteral("GROUPSETTINGS"));

    mLoad = place.button(QStringLiteral("PBLOAD"), mSpec.loadText, {207, 30, 39, 11});
    mSave = place.button(QStringLiteral("PBSAVE"), mSpec.saveText, {252, 30, 39, 11});
    mSaveNew = place.button(QStringLiteral("PBSAVENEW"), mSpec.saveNewText, {297, 30, 39, 11});
    mDoIt = place.button(QStringLiteral("PBDOIT"), mSpec.doItText, {352, 4, 38, 12});
    mHelp = place.button(QStringLiteral("PBHELP"), mSpec.helpText, {352, 33, 38, 12});
    mClose = place.button(QStringLiteral("PBCLOSE"), mSpec.closeText, {352, 19, 38, 12});

    mCurSettings = place.label(QString(), {207, 14, 129, 9}, QStringLiteral("CURSETTINGS"));
    paintLabel(mCurSettings, QColor(255, 255, 225), QColor(0, 0, 0));

    mPrev = place.button(QStringLiteral("PREVWIN"), QStringLiteral("<<"), {4, 48, 19, 12});
    mWinCaption = place.label(QString(), {24, 48, 354, 12}, QStringLiteral("WINCAPTION"));
    mWinCaption->setAlignment(Qt::AlignCenter);
    mWinCaption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mWinCaption->setFont(boldDialogFont());
    paintLabel(mWinCaption, QColor(0, 0, 128), QColor(255, 255, 255));
    mNext = place.button(QStringLiteral("NEXTWIN"), QStringLiteral(">>"), {380, 48, 19, 12});

    connect(mLoad, &QPushButton::clicked, this, &WizardWin::pbLoad);
    connect(mSave, &QPushButton::clicked, this, &WizardWin::pbSave);
    connect(mSaveNew, &QPushButton::clicked, this, &WizardWin::pbSaveNew);
    connect(mDoIt, &QPushButton::clicked, this, &WizardWin::pbDoIt);
    connect(mHelp, &QPushButton::clicked, this, &WizardWin::pbHelp);
    connect(mClose, &QPushButton::clicked, this, &WizardWin::pbClose);
    connect(mPrev, &QPushButton::clicked, this, &WizardWin::prevWin);
    connect(mNext, &QPushButton::clicked, this, &WizardWin::nextWin);
    connect(mSectionsLb, &QListWidget::itemSelectionChanged, this, &WizardWin::listBoxSelect);

    // The pages are made in section order, each on its placeholder; none is shown yet.
    const QRect pagePlace = du.rect(mSpec.pageRect);
    for (const WizardSection &section : mSpec.sections) {
        WizardPageWin *p = section.makePage(this, section.placeholderId);
        p->move(pagePlace.topLeft());
        p->hide();
        mPages.push_back(p);
    }
}

WizardWin::~WizardWin() = default;

WizardPageWin *WizardWin::page(int n) const
{
    return n >= 1 && n <= pageCount() ? mPages[size_t(n - 1)] : nullptr;
}

void WizardWin::postInit(const QStringList &files)
{
    for (int i = 0; i < int(mSpec.sections.size()); ++i) {
        auto *item = new QListWidgetItem(mSpec.sections[size_t(i)].title, mSectionsLb);
        item->setData(Qt::UserRole, i + 1);
    }
    mJob = mSpec.makeJob(this);
    mCurSettings->setText(kUnsaved);
    updateChildWin();
    if (!files.isEmpty())
        loadMoreFiles(files);
    changeActiveWin(1);
}

void WizardWin::loadMoreFiles(const QStringList &files)
{
    if (WizardPageWin *first = page(1))
        first->loadFiles(files);
}

void WizardWin::changeActiveWin(int n)
{
    if (n == mActivePage || !page(n))
        return;
    if (WizardPageWin *old = page(mActivePage))
        old->hide();
    mActivePage = n;
    page(n)->show();
    mWinCaption->setText(mSpec.sections[size_t(n - 1)].title);
    mWinCaption->repaint();
    {
        const QSignalBlocker block(mSectionsLb);
        mSectionsLb->setCurrentRow(n - 1);
    }
    pageShown(n);
}

void WizardWin::nextWin()
{
    if (mActivePage < pageCount())
        changeActiveWin(mActivePage + 1);
}

void WizardWin::prevWin()
{
    if (mActivePage > 1)
        changeActiveWin(mActivePage - 1);
}

void WizardWin::listBoxSelect()
{
    const QListWidgetItem *item = mSectionsLb->currentItem();
    if (!item)
        return;
    const int n = item->data(Qt::UserRole).toInt();
    if (n > 0 && n <= pageCount())
        changeActiveWin(n);
}

void WizardWin::updateChildWin()
{
    for (WizardPageWin *p : mPages)
        p->connect2Source(mJob.get());
}

void WizardWin::updateData()
{
    for (WizardPageWin *p : mPages)
        p->updateObject();
}

bool WizardWin::refuseWhileRunning()
{
    if (!mRunning)
        return false;
    warningMsg(this, kBusy);
    return true;
}

void WizardWin::showDescription(const QString &key)
{
    mCurSettings->setText(goSysServer().getDesc(key));
}

void WizardWin::pbLoad()
{
    if (refuseWhileRunning())
        return;
    QString key;
    ValueArray data = loadSettings(this, mSpec.settingsKind, key);
    if (data.empty())
        return;
    mCurrentKey = key;
    showDescription(key);
    mJob->setAData(Value(std::move(data)));
    updateChildWin();
}

void WizardWin::pbSave()
{
    if (refuseWhileRunning())
        return;
    if (mCurrentKey.isEmpty()) {
        pbSaveNew();
        return;
    }
    updateData();
    ImagSysServer &server = goSysServer();
    if (!server.updateData(mCurrentKey, mJob->aData().array())) {
        // The record was removed in the settings picker (or the database is gone): the
        // settings are not stored anywhere, so the window is unsaved again.
        const QString reason = server.isValid()
            ? QStringLiteral("The saved settings of this window no longer exist. Use \"%1\" to store them again.")
                  .arg(mSpec.saveNewText)
            : QStringLiteral("The settings could not be saved: ") + server.lastErrorMessage();
        mCurrentKey.clear();
        mCurSettings->setText(kUnsaved);
        errorMsg(this, reason);
        return;
    }
    showDescription(mCurrentKey);
}

void WizardWin::pbSaveNew()
{
    if (refuseWhileRunning())
        return;
    NewKeywordWin prompt(this);
    prompt.setWindowTitle(QStringLiteral("Settings Description ..."));
    if (prompt.exec() != 1)
        return;
    QString description = prompt.keyword();
    if (description.isEmpty())
        description = QStringLiteral("No description entered");
    updateData();
    ImagSysServer &server = goSysServer();
    QString key;
    const bool stored = mSpec.appendNew && (server.*mSpec.appendNew)(description, mJob->aData().array(), key);
    if (!stored) {
        const QString why = server.lastErrorMessage();
        errorMsg(this, QStringLiteral("The settings could not be saved") + (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why));
        return;
    }
    mCurrentKey = key;
    showDescription(key);
}

void WizardWin::pbDoIt()
{
    if (refuseWhileRunning())
        return;
    const QStringList files = page(1) ? page(1)->selectedFiles() : QStringList();
    if (files.isEmpty()) {
        warningMsg(this, mSpec.noSourceText);
        return;
    }
    updateData();
    if (!mJob->validate())
        return;
    runJob(files);
}

void WizardWin::runJob(const QStringList &files)
{
    mRunning = true;
    for (QPushButton *b : {mDoIt, mLoad, mSave, mSaveNew, mClose})
        b->setEnabled(false);
    mJob->run(files);
    mRunning = false;
    for (QPushButton *b : {mDoIt, mLoad, mSave, mSaveNew, mClose})
        b->setEnabled(true);
}

void WizardWin::pbHelp()
{
    if (HelpDisplay *help = goHelpDisplay())
        help->show(mSpec.helpTopic);
}

void WizardWin::pbClose()
{
    if (refuseWhileRunning())
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void WizardWin::closeEvent(QCloseEvent *event)
{
    if (refuseWhileRunning()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace gb
