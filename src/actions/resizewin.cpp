#include "actions/resizewin.h"

#include "actions/resizeimagebe.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace gb {

ResizeWin::ResizeWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("ResizeWin"), QStringLiteral("Resize Image"), 212, 144)
{
    mResType = new QComboBox(this);
    mResType->setObjectName(QStringLiteral("RESTYPE"));
    mResType->setGeometry(du().rect(59, 5, 135, 13));
    label(QStringLiteral("Resize Type:"), {14, 8, 42, 12});
    label(QStringLiteral("Width:"), {75, 28, 23, 9});
    label(QStringLiteral("Height:"), {73, 46, 25, 12});
    mWidthEdit = edit(QStringLiteral("WIDTH"), {101, 25, 34, 12}, 5);
    mHeightEdit = edit(QStringLiteral("HEIGHT"), {101, 44, 34, 12}, 5);
    mPercentEdit = edit(QStringLiteral("PERCENT"), {101, 62, 34, 12}, 5);
    group(QStringLiteral("Resize Method"), {8, 82, 196, 36})->setObjectName(QStringLiteral("RESIZEMETHOD"));
    mBilinearButton = radio(QStringLiteral("BILINEAR"), QStringLiteral("bi-linear interpolation"), {15, 97, 80, 11});
    mAverageButton = radio(QStringLiteral("AVERAGE"), QStringLiteral("Pixel area averaging"), {116, 97, 80, 11});
    applyCancel(QStringLiteral("PBOK"), {44, 126, 43, 12}, {124, 126, 43, 12});
    label(QStringLiteral("Percent:"), {68, 65, 30, 12});
    label(QStringLiteral("%"), {136, 65, 8, 12});

    const std::pair<const char *, int> types[] = {
        {"Best fit - keep aspect ratio", 1}, {"Fixed width - keep aspect ratio", 2},
        {"Fixed height - keep aspect ratio", 3}, {"Percent", 5}, {"Stretch to fit", 4},
    };
    for (const auto &[text, code] : types)
        mResType->addItem(QString::fromLatin1(text), code);

    const OldParams old(oldParams);
    if (old.hasAtLeast(4)) {
        mResizeType = old.intAt(1, 1);
        if (mResType->findData(mResizeType) < 0)
            mResizeType = 1; // a type no entry has would leave every field in doubt
        mWidthEdit->setText(QString::number(old.intAt(2, 0)));
        mHeightEdit->setText(QString::number(old.intAt(3, 0)));
        mPercentEdit->setText(QString::number(old.intAt(4, 0)));
        const bool bilinear = old.size() >= 5 && old.logicAt(5, false);
        (bilinear ? mBilinearButton : mAverageButton)->setChecked(true);
    } else {
        mWidthEdit->setText(QStringLiteral("0"));
        mHeightEdit->setText(QStringLiteral("0"));
        mPercentEdit->setText(QStringLiteral("100"));
        mAverageButton->setChecked(true);
    }
    mResType->setCurrentIndex(mResType->findData(mResizeType));
    adjustControls();

    connect(mResType, &QComboBox::currentIndexChanged, this, [this](int index) {
        mResizeType = mResType->itemData(index).toInt();
        adjustControls();
    });
}

void ResizeWin::adjustControls()
{
    const bool width = mResizeType == 1 || mResizeType == 2 || mResizeType == 4;
    const bool height = mResizeType == 1 || mResizeType == 3 || mResizeType == 4;
    const bool percent = mResizeType == 5;
    for (auto [edit, on] : {std::pair{mWidthEdit, width}, {mHeightEdit, height}, {mPercentEdit, percent}}) {
        if (!on)
            edit->clear();
        edit->setEnabled(on);
    }
}

bool ResizeWin::applyValues()
{
    mWidth = std::abs(mWidthEdit->text().toInt());
    mHeight = std::abs(mHeightEdit->text().toInt());
    mPercent = std::abs(mPercentEdit->text().toInt());
    mBilinear = mBilinearButton->isChecked();
    QString problem;
    switch (mResizeType) {
    case 1:
    case 4:
        if (mWidth <= 0 || mHeight <= 0)
            problem = QStringLiteral("Please define resized image width and height");
        // A stretch gives every image this very size: one no image can have would fail on
        // every file of the run. The other types depend on the image's proportions.
        else if (mResizeType == 4 && calcResizeDims(4, 1, 1, mWidth, mHeight, 0).isEmpty())
            problem = QStringLiteral("Resized image width and height are too large for one image");
        break;
    case 2:
        if (mWidth <= 0)
            problem = QStringLiteral("Please define resized image fixed width");
        break;
    case 3:
        if (mHeight <= 0)
            problem = QStringLiteral("Please define resized image fixed height");
        break;
    default:
        if (mPercent <= 0)
            problem = QStringLiteral("Please define resize percent ratio");
        break;
    }
    if (!problem.isEmpty()) {
        refuse(problem);
        return false;
    }
    return true;
}

ValueArray ResizeWin::values() const
{
    return {mResizeType, mWidth, mHeight, mPercent, mBilinear};
}

} // namespace gb
