#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace gb {

// "Thumbnails Spacing (pixels) ...": the horizontal and vertical gaps between thumbnails.
// Ok takes both numbers (a field that holds none gives 0) and ends with 1, with no range
// check; Cancel ends with -1. Callers apply only values above 0.
class SpacingWin : public QDialog
{
    Q_OBJECT
public:
    explicit SpacingWin(QWidget *owner = nullptr);

    void setHorSpacing(int pixels);
    void setVerSpacing(int pixels);
    int horSpacing() const { return mHorSpacing; }
    int verSpacing() const { return mVerSpacing; }

    QLineEdit *hor() const { return mHor; }
    QLineEdit *ver() const { return mVer; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void pbOk();
    void pbCancel();

private:
    QLineEdit *mHor, *mVer;
    QPushButton *mOk, *mCancel;
    int mHorSpacing = 0;
    int mVerSpacing = 0;
};

} // namespace gb
