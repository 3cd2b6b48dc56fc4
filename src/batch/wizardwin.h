#pragma once

#include "batch/wizardjob.h"
#include "platform/table/value.h"

#include <QIcon>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace gb {

class DialogUnits;
class ImagSysServer;
class WizardPageWin;

// What makes one wizard window: its dialog, its sections with their pages, its job, the
// settings kind its records are saved under, and its help topic.
struct WizardSection {
    // The title in the sections list and the title strip: "1/3 - Select Source Images".
    QString title;
    // Makes the page on the frame (owner) and the placeholder's control id.
    std::function<WizardPageWin *(QWidget *owner, int controlId)> makePage;
    int placeholderId = 0;
};

struct WizardSpec {
    QString caption;
    QIcon icon;
    // The frame's dialog in dialog units; every page stands at pageRect.
    QSize dialogSize = QSize(402, 253);
    QRect pageRect = QRect(11, 63, 380, 188);
    std::vector<WizardSection> sections;
    QString loadText = QStringLiteral("Load");
    QString saveText = QStringLiteral("Save");
    QString saveNewText = QStringLiteral("Save New");
    QString doItText = QStringLiteral("Do It");
    QString helpText = QStringLiteral("Help");
    QString closeText = QStringLiteral("Close");
    // The settings picker's kind ("BE", "HTML", "RENAME", "COMP", "PRIN") and the append
    // operation of the settings database for its category (&ImagSysServer::appendNewBatchEdit).
    QString settingsKind;
    bool (ImagSysServer::*appendNew)(const QString &, const ValueArray &, QString &) = nullptr;
    // The help display's topic of the Help button.
    QString helpTopic;
    // Makes the job with the frame as owner; its settings hold their defaults.
    std::function<std::unique_ptr<WizardJob>(QWidget *owner)> makeJob;
    // The warning of Do It without source images.
    QString noSourceText = QStringLiteral("Select at least one image for processing...");
};

// The wizard frame of the tools that are set up page by page and run over a list of
// source files (batch editor, renamer, contact sheets, print wizard, web gallery): a list
// of sections, one visible page per section, "<<" and ">>", a job that keeps every setting
// in one array, Load, Save and Save New of that array through the settings database, Do It,
// Help and Close.
//
// Usage: fill a WizardSpec and derive (or use the class as it is):
//
//   class RenamerWin : public WizardWin {
//   public:
//       RenamerWin(QWidget *owner, const QStringList &files) : WizardWin(owner, spec()) { postInit(files); }
//   protected:
//       void pbDoIt() override { ... }          // a run of its own
//   };
//
// The constructor builds the controls and the pages; postInit() makes the job, binds the
// pages, hands the files to page 1 when it is a source images page (BeSiWin) and shows
// page 1. Hooks a tool may override: pbDoIt() (the default reads page 1's selection, warns
// when it is empty, gathers the pages, validates and runs the job), updateData() and
// updateChildWin() (to add fields of the frame itself), pageShown() (work when a page comes
// up); a job converts an older record itself, in its setAData(). Extra controls of a tool's
// frame go on the frame with units().
//
// While the job runs (its run() pumps events) the window refuses Do It, Load, Save, Save New
// and Close, and says so; page switching and editing go on. An override of pbDoIt() starts
// with `if (refuseWhileRunning()) return;` and starts the run through runJob(), so that the
// refusals hold for it too.
class WizardWin : public QWidget
{
    Q_OBJECT

public:
    WizardWin(QWidget *owner, WizardSpec spec);
    ~WizardWin() override;

    const WizardSpec &spec() const { return mSpec; }
    WizardJob *job() const { return mJob.get(); }
    // Page n (1-based, section order); null out of range.
    WizardPageWin *page(int n) const;
    int pageCount() const { return int(mPages.size()); }
    int activePage() const { return mActivePage; }
    // The key of the settings record the window was last loaded from or saved to; empty
    // while unsaved.
    QString currentRecordKey() const { return mCurrentKey; }
    bool running() const { return mRunning; }

    QListWidget *sectionsLb() const { return mSectionsLb; }
    QLabel *curSettings() const { return mCurSettings; }
    QLabel *winCaption() const { return mWinCaption; }
    QPushButton *loadButton() const { return mLoad; }
    QPushButton *saveButton() const { return mSave; }
    QPushButton *saveNewButton() const { return mSaveNew; }
    QPushButton *doItButton() const { return mDoIt; }
    QPushButton *helpButton() const { return mHelp; }
    QPushButton *closeButton() const { return mClose; }
    QPushButton *prevButton() const { return mPrev; }
    QPushButton *nextButton() const { return mNext; }

    // The dialog's own size: the MDI area sizes its sub-window from it.
    QSize sizeHint() const override { return minimumSize(); }

    // Hands more files to page 1 (when it is a source images page).
    void loadMoreFiles(const QStringList &files);

public slots:
    void changeActiveWin(int page);
    void nextWin();
    void prevWin();
    void pbLoad();
    void pbSave();
    void pbSaveNew();
    virtual void pbDoIt();
    void pbHelp();
    void pbClose();

protected:
    // Makes the job, binds the pages, gives the files to page 1 and shows page 1.
    void postInit(const QStringList &files);
    // Job into pages: connect2Source() on every page in order.
    virtual void updateChildWin();
    // Pages into job: updateObject() on every page in order.
    virtual void updateData();
    // Runs after page n became the visible one.
    virtual void pageShown(int n) {}
    // Runs the job over the files with the window's buttons refusing work meanwhile.
    void runJob(const QStringList &files);
    // True (after saying so) when a run is going on.
    bool refuseWhileRunning();

    const DialogUnits &units() const { return *mUnits; }
    void closeEvent(QCloseEvent *event) override;

private:
    void listBoxSelect();
    void showDescription(const QString &key);

    WizardSpec mSpec;
    std::unique_ptr<DialogUnits> mUnits;
    std::unique_ptr<WizardJob> mJob;
    std::vector<WizardPageWin *> mPages;
    QString mCurrentKey;
    int mActivePage = 0;
    bool mRunning = false;

    QListWidget *mSectionsLb;
    QPushButton *mLoad, *mSave, *mSaveNew, *mDoIt, *mHelp, *mClose, *mPrev, *mNext;
    QLabel *mCurSettings;
    QLabel *mWinCaption;
};

} // namespace gb
