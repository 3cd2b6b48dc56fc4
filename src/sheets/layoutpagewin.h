#pragma once

#include "actions/fontdata.h"
#include "batch/wizardpagewin.h"
#include "common/dialogcontrols.h"

#include <QCheckBox>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gb {

class DialogUnits;
class NumberPair;

// What the contact-sheet layout page and the print layout page share: the thumbnail width
// and height (four digits, spinners 1 to 9999), the horizontal and vertical gaps (two
// digits, spinners 0 to 999), the title with its font button and page-number check box,
// and the information-line editor with its font button. Each page adds its own controls in
// the free area at the right of the "layout" group and below its two rows, and binds the
// job: the font buttons and the information list write the job at once through the
// accessors given to bindJob(); the edits reach it only through the page's updateObject().
//
// Each edit and its spinner are kept in step both ways; the job always receives the
// edit's number (0 when empty), never the spinner's position.
class LayoutPageWin : public WizardPageWin
{
    Q_OBJECT
public:
    // The words that differ between the two pages.
    struct Texts {
        QString layoutGroup;   // "Thumbnails Layout" or "Images Layout"
        QString appendPageNo;  // the page-number check box
        QString infoGroup;     // the information group's caption
        QString infoFontCaption;
    };
    // The job's values that the page's editors write at once.
    struct JobAccess {
        std::function<FontData()> titleFont;
        std::function<void(const FontData &)> setTitleFont;
        std::function<FontData()> infoFont;
        std::function<void(const FontData &)> setInfoFont;
        std::function<InfoListEditor::Codes()> info;
        std::function<void(const InfoListEditor::Codes &)> setInfo;
    };

    ~LayoutPageWin() override;

    NumberPair *thumbWidth() const { return mThumbWidth; }
    NumberPair *thumbHeight() const { return mThumbHeight; }
    NumberPair *horSpacing() const { return mHorSpacing; }
    NumberPair *verSpacing() const { return mVerSpacing; }
    QLineEdit *title() const { return mTitle; }
    QPushButton *pagesTitleFontButton() const { return mPbPagesTitleFont; }
    QCheckBox *appendPageNo() const { return mAppendPageNo; }
    QPushButton *infoFontButton() const { return mPbInfoFont; }
    InfoListEditor *infoList() const { return mInfo; }

public slots:
    void pbPagesTitleFont();
    void pbInfoFont();

protected:
    LayoutPageWin(QWidget *owner, int controlId, const Texts &texts);

    // Binds the editors to the job's accessors, shows its common values in the controls and
    // fills SELLB from its list. Job is HComposite or HPrGallery: both name these slots alike.
    template<class Job>
    void showCommon(Job *job, JobAccess access)
    {
        bindJob(std::move(access));
        showCommon(job->thumbWidth(), job->thumbHeight(), job->horSpacing(), job->verSpacing(), job->title(),
                   job->appendPageNo());
    }
    // The common edits and the page-number option into the job (the title is the page's own
    // business: one page trims it, the other does not).
    template<class Job>
    void updateCommon(Job *job) const
    {
        job->setThumbWidth(thumbWidth()->number());
        job->setThumbHeight(thumbHeight()->number());
        job->setHorSpacing(horSpacing()->number());
        job->setVerSpacing(verSpacing()->number());
        job->setAppendPageNo(appendPageNo()->isChecked());
    }

private:
    void bindJob(JobAccess access);
    void showCommon(int thumbWidth, int thumbHeight, int horSpacing, int verSpacing, const QString &title,
                    bool appendPageNo);

    Texts mTexts;
    JobAccess mAccess;
    NumberPair *mThumbWidth;
    NumberPair *mThumbHeight;
    NumberPair *mHorSpacing;
    NumberPair *mVerSpacing;
    QLineEdit *mTitle;
    QPushButton *mPbPagesTitleFont;
    QCheckBox *mAppendPageNo;
    InfoListEditor *mInfo;
    QPushButton *mPbInfoFont;
};

// A label at a place given in dialog units.
QLabel *pageLabel(QWidget *page, const DialogUnits &du, const QString &text, const QRect &rect);

} // namespace gb
