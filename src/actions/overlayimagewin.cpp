#include "actions/overlayimagewin.h"

#include "actions/alignpicker.h"
#include "resources/resourceclasses.h"
#include "common/uiseam.h"
#include "image/previewft.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace gb {

OverlayImageWin::OverlayImageWin(QWidget *owner, const Value &oldParams)
    : ParamDialog(owner, QStringLiteral("OverlayImageWin"), QStringLiteral("Overlay Image"), 248, 195)
{
    mFileEdit = edit(QStringLiteral("OVERLAYFILE"), {70, 11, 128, 12});
    QPushButton *browse = button(QStringLiteral("PBBROWSE"), QString(), {199, 11, 13, 12});
    browse->setIcon(QIcon(resourceBitmap(QStringLiteral("FINDFILE"))));
    QLineEdit *top = edit(QStringLiteral("TOP"), {143, 39, 25, 12}, 4);
    QLineEdit *left = edit(QStringLiteral("LEFT"), {143, 57, 25, 12}, 4);
    QLineEdit *bottom = edit(QStringLiteral("BOTTOM"), {143, 76, 25, 12}, 4);
    QLineEdit *right = edit(QStringLiteral("RIGHT"), {143, 94, 25, 12}, 4);
    label(QStringLiteral("Right :"), {114, 96, 27, 9});
    label(QStringLiteral("Bottom :"), {114, 78, 27, 9});
    label(QStringLiteral("Left :"), {115, 59, 27, 9});
    label(QStringLiteral("Top :"), {114, 42, 27, 9});
    mAlign = new AlignPicker(this, du(), {13, 42, 81, 12}, {32, 47, 62}, {61, 75, 89});
    label(QStringLiteral("Overlay Image File: "), {6, 12, 61, 12});
    group(QStringLiteral("Position"), {7, 30, 93, 81});
    group(QStringLiteral("Margins"), {107, 30, 72, 81});
    label(QStringLiteral("Opacity:"), {6, 128, 31, 12});
    label(QStringLiteral("Transparent Color:"), {138, 154, 61, 12});
    mOpacityPair = sliderPair(QStringLiteral("OPACITY"), QStringLiteral("OPACITYSL"), {36, 126, 26, 12},
                              {65, 126, 175, 14}, 0, 100, 3, NumberPair::CapBoth);
    mTrans = checkBox(QStringLiteral("TRANS"), QStringLiteral("Transparent Overlay"), {7, 153, 80, 11});

    const OldParams old(oldParams);
    const bool edited = old.hasAtLeast(1);
    mTransColor = colorField(QStringLiteral("TRANSCOLOR"), QStringLiteral("PBCHANGE"), {200, 153, 26, 11},
                             {227, 153, 13, 11}, edited ? old.colorAt(8, 0xFFFFFF) : 0xFFFFFF);
    applyCancel(QStringLiteral("PBOK"), {66, 176, 43, 12}, {139, 176, 43, 12});
    label(QStringLiteral("0"), {72, 140, 11, 9});
    label(QStringLiteral("100"), {197, 140, 18, 9});
    mPreview = new PreviewFt(this);
    mPreview->setObjectName(QStringLiteral("PREVIEWFT"));
    mPreview->setGeometry(du().rect(188, 48, 53, 49));
    framePane(mPreview);
    mAlign->setMargins(left, top, right, bottom);

    connect(mFileEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        previewFile(mPreview, &mPreviewImage, text.trimmed());
    });
    connect(browse, &QPushButton::clicked, this, &OverlayImageWin::pbBrowse);
    connect(mTrans, &QCheckBox::clicked, this, &OverlayImageWin::transClicked);

    if (edited) {
        mFileEdit->setText(old.stringAt(1, QString()));
        mAlign->preset(old.intAt(2, 8), old.intAt(3, 10), old.intAt(4, 10), old.intAt(5, 10), old.intAt(6, 10));
        mTrans->setChecked(old.logicAt(7, false));
        // The stored fraction has two decimals; rounding shows the percentage typed.
        mOpacityPair->setNumber(std::llround(std::clamp(old.numberAt(9, 1.0), 0.0, 1.0) * 100));
    } else {
        mAlign->preset(8, 10, 10, 10, 10);
        mOpacityPair->setNumber(100);
    }
    transClicked();
}

int OverlayImageWin::imageAlign() const
{
    return mAlign->code();
}

QLineEdit *OverlayImageWin::margin(const QString &name) const
{
    return mAlign->margin(name);
}

void OverlayImageWin::pbBrowse()
{
    const QStringList filters = {
        QStringLiteral("JPEG (*.jpg)"), QStringLiteral("GIF (*.gif)"),   QStringLiteral("PNG (*.png)"),
        QStringLiteral("TGA (*.tga)"),  QStringLiteral("TIFF (*.tif)"),  QStringLiteral("PCX (*.pcx)"),
        QStringLiteral("BMP (*.bmp)"),  QStringLiteral("AVI (*.avi)"),   QStringLiteral("EMF (*.emf)"),
        QStringLiteral("WMF (*.wmf)"),  QStringLiteral("Photoshop (*.psd)"),
    };
    int selected = 0;
    const QStringList chosen = ui().openFileNames(this, QStringLiteral("Select an image file to overlay ..."),
                                                  QString(), filters, &selected, false);
    if (!chosen.isEmpty() && !chosen.first().isEmpty())
        mFileEdit->setText(chosen.first());
}

void OverlayImageWin::transClicked()
{
    mTransColor->setEnabled(mTrans->isChecked());
}

bool OverlayImageWin::applyValues()
{
    const QString file = mFileEdit->text();
    if (!QFileInfo(file).isFile()) {
        refuse(QStringLiteral("Please define the overlay image file"));
        return false;
    }
    mFile = file;
    mMargins = mAlign->marginValues();
    mTransparent = mTrans->isChecked();
    mOpacity = std::round(mOpacityPair->value()) / 100.0;
    return true;
}

ValueArray OverlayImageWin::values() const
{
    return {overlayFile(), imageAlign(), left(), top(), right(), bottom(), transparent(), int(transparentColor()),
            opacity()};
}

} // namespace gb
