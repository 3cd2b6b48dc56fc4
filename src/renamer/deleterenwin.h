#pragma once

#include "renamer/renamedialogs.h"

class QCheckBox;

namespace gb {

// The Delete command's dialog, captioned "Delete Characters": delete all characters of the
// base name, some characters from a start position (a count of them or till the end), or a
// pattern (its first, every or last occurrence, with or without regard to letter case).
// Its seven slots are those of DeleteRenameParams (renamecommand.h); Ok fills all seven
// whatever the mode, so an edited command shows its unused fields again.
//
// The Replace dialog (replacerenwin.h) is this dialog with its own texts and one more group.
class DeleteRenWin : public RenameDialog
{
    Q_OBJECT
public:
    explicit DeleteRenWin(QWidget *owner, const ValueArray &oldData = {});

    QRadioButton *allButton() const { return mAll; }
    QRadioButton *someButton() const { return mSome; }
    QRadioButton *patternButton() const { return mPattern; }
    QLineEdit *startPos() const { return mStartPos; }
    QLineEdit *noOfChars() const { return mNoOfChars; }
    QCheckBox *tillTheEnd() const { return mTillTheEnd; }
    QLineEdit *pattern2Delete() const { return mPattern2Delete; }
    QRadioButton *firstOccur() const { return mFirstOccur; }
    QRadioButton *allOccur() const { return mAllOccur; }
    QRadioButton *lastOccur() const { return mLastOccur; }
    QRadioButton *ignoreCasing() const { return mIgnoreCasing; }
    QRadioButton *respectCasing() const { return mRespectCasing; }

protected:
    // The words that differ between the Delete and the Replace dialog.
    struct Texts {
        QString caption, modeGroup, someGroup, patternGroup, patternLabel;
        QString noCount, noPattern;
    };
    static constexpr int kWidth = 261;

    // Builds the controls in a dialog `height` units tall, without presetting them.
    DeleteRenWin(QWidget *owner, const Texts &texts, int height);
    // Sets the seven slots' controls (a new command when data is empty).
    void presetDelete(const ValueArray &data);
    // Checks the mode's fields; false after showing the box of the first problem.
    bool checkDelete();
    ValueArray deleteSlots() const;

    std::optional<ValueArray> collect() override;
    void adjustControls() override;

private:
    Texts mTexts;
    QButtonGroup *mMode;
    QButtonGroup *mOccurrence;
    QButtonGroup *mCasing;
    QRadioButton *mAll;
    QRadioButton *mSome;
    QRadioButton *mPattern;
    QLineEdit *mStartPos;
    QLineEdit *mNoOfChars;
    QCheckBox *mTillTheEnd;
    QLineEdit *mPattern2Delete;
    QRadioButton *mFirstOccur;
    QRadioButton *mAllOccur;
    QRadioButton *mLastOccur;
    QRadioButton *mIgnoreCasing;
    QRadioButton *mRespectCasing;
};

} // namespace gb
