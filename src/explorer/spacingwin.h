#pragma once

#include <QDialog>
#include <QSize>

#include <climits>

class QLineEdit;
class QPushButton;

namespace gb {

// "Thumbnails Spacing (pixels) ...": the horizontal and vertical gaps between thumbnails.
// Ok takes both numbers (a field that holds none gives 0) and ends with 1; a spacing above
// the room set with setRoom() is refused with a message and the dialog stays open. Cancel
// ends with -1. Callers apply only values above 0.
class SpacingWin : public QDialog
{
    Q_OBJECT
public:
    explicit SpacingWin(QWidget *owner = nullptr);

    void setHorSpacing(int pixels);
    void setVerSpacing(int pixels);
    // The largest spacings that leave room for a thumbnail (the grid's largestSpacing()).
    void setRoom(const QSize &largest) { mRoom = largest; }
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
    QSize mRoom{INT_MAX, INT_MAX};
};

} // namespace gb
