#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QSlider;

namespace gb {

// "Slide show": the pause between pictures (1 to 30 seconds, 5 at first) and whether the
// show starts again after the last picture (on at first). Ok keeps both and ends with 1;
// Cancel ends with -1.
class DefinePauseWin : public QDialog
{
    Q_OBJECT
public:
    explicit DefinePauseWin(QWidget *owner = nullptr);

    int interval() const { return mInterval; }
    bool looped() const { return mLooped; }

    QSlider *slider() const { return mOhs; }
    QCheckBox *loopBox() const { return mLoop; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void pbOk();
    void pbCancel();

private:
    QSlider *mOhs;
    QCheckBox *mLoop;
    QPushButton *mOk, *mCancel;
    int mInterval = 5;
    bool mLooped = false;
};

} // namespace gb
