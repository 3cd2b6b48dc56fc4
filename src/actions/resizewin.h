#pragma once

#include "actions/paramdialog.h"

class QComboBox;

namespace gb {

// "Resize Image": the resize type, the width, height or percent it uses and the
// resampling method of a Resize command. A field the type does not use is emptied and
// disabled and gives 0. Old parameters: {type, width, height, percent[, bilinear]}, at
// least four; without the fifth "Pixel area averaging" is shown.
class ResizeWin : public ParamDialog
{
    Q_OBJECT
public:
    ResizeWin(QWidget *owner, const Value &oldParams = Value());

    int resizeType() const { return mResizeType; }
    int iWidth() const { return mWidth; }
    int iHeight() const { return mHeight; }
    int iPercent() const { return mPercent; }
    bool biLinear() const { return mBilinear; }
    // {type, width, height, percent, bilinear}
    ValueArray values() const override;

    QComboBox *resType() const { return mResType; }
    QLineEdit *widthEdit() const { return mWidthEdit; }
    QLineEdit *heightEdit() const { return mHeightEdit; }
    QLineEdit *percentEdit() const { return mPercentEdit; }
    QRadioButton *bilinearButton() const { return mBilinearButton; }
    QRadioButton *averageButton() const { return mAverageButton; }

protected:
    bool applyValues() override;

private:
    void adjustControls();

    QComboBox *mResType;
    QLineEdit *mWidthEdit;
    QLineEdit *mHeightEdit;
    QLineEdit *mPercentEdit;
    QRadioButton *mBilinearButton;
    QRadioButton *mAverageButton;
    int mResizeType = 1;
    int mWidth = 0;
    int mHeight = 0;
    int mPercent = 0;
    bool mBilinear = false;
};

} // namespace gb
