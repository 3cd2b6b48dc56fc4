#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSlider;

namespace gb {

// The JPEG quality and progressive flag last accepted in this run (initially 80 and 0),
// offered by the next dialog. Kept only for the run.
extern int lastJpgQuality;
extern int lastJpgProgressive;

// "JPG Save Options...": asks for the JPEG quality (an edit of up to three digits that a
// 1..100 slider follows) and whether the file is progressive. The values are stored only
// by Ok, which ends the dialog with 1; Cancel ends it with -1.
//
//   JpgSaveOptionsWin dlg(owner);
//   dlg.setQuality(90);
//   if (dlg.exec() == 1) use(dlg.quality(), dlg.progressive());
class JpgSaveOptionsWin : public QDialog
{
    Q_OBJECT
public:
    explicit JpgSaveOptionsWin(QWidget *owner = nullptr);

    // The values stored by Ok (0 before Ok).
    int quality() const { return mQuality; }
    int progressive() const { return mProgressive; }
    // Puts a quality into the edit (the slider follows); ticks the box for 1.
    void setQuality(int quality);
    void setProgressive(int progressive);

    QLineEdit *jpgQuality() const { return mJpgQuality; }
    QSlider *jpgSlider() const { return mJpgSlider; }
    QCheckBox *progressiveBox() const { return mProgressiveBox; }

private:
    void editChange(const QString &text);
    void horizontalSlide(int position);
    void pbOk();
    void pbCancel();

    QLineEdit *mJpgQuality;
    QSlider *mJpgSlider;
    QCheckBox *mProgressiveBox;
    int mQuality = 0;
    int mProgressive = 0;
};

// Shows the dialog modally with the remembered values. On Ok sets quality and progressive
// (1 or 0), remembers them for the next dialog and returns true; otherwise changes nothing
// and returns false.
bool getJpgSaveOptions(QWidget *owner, int &quality, int &progressive);

} // namespace gb
