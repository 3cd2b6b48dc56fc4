#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb {

// "Page Setup": the layout of a single printed image, the paper orientation and the paper
// margins, read from and written to the registry section "Print Options" (the registry is
// its only model). Ok writes every value and ends with 1; Cancel writes nothing and ends
// with -1.
class OptionsWin : public QDialog
{
    Q_OBJECT
public:
    explicit OptionsWin(QWidget *owner = nullptr);

    QLineEdit *companyLogo() const { return mCompanyLogo; }
    QLineEdit *siStartingRow() const { return mSiStartingRow; }
    QLineEdit *siStartingColumn() const { return mSiStartingColumn; }
    QRadioButton *actualSize() const { return mActualSize; }
    QRadioButton *fitInPage() const { return mFitInPage; }
    QRadioButton *prortrait() const { return mPortrait; }
    QRadioButton *landscape() const { return mLandscape; }
    QLineEdit *leftMargin() const { return mLeftMargin; }
    QLineEdit *rightMargin() const { return mRightMargin; }
    QLineEdit *topMargin() const { return mTopMargin; }
    QLineEdit *bottomMargin() const { return mBottomMargin; }
    // "P" or "L", as the orientation group gives it.
    QString orientation() const;

public slots:
    void pbOk();
    void pbCancel();

private:
    void postInit();

    QLineEdit *mCompanyLogo, *mSiStartingRow, *mSiStartingColumn;
    QRadioButton *mActualSize, *mFitInPage, *mPortrait, *mLandscape;
    QLineEdit *mLeftMargin, *mRightMargin, *mTopMargin, *mBottomMargin;
};

} // namespace gb
