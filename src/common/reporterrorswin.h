#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace gb {

// The modal "Error Log": a fixed explanation above the list of problems that a tool's
// validation found, one line each in the order given, and a Close button.
class ReportErrorsWin : public QDialog
{
    Q_OBJECT
public:
    ReportErrorsWin(QWidget *owner, const QStringList &errors);

    QListWidget *errorLb() const { return mErrorLb; }
    QPushButton *pbClose() const { return mPbClose; }

private:
    QListWidget *mErrorLb;
    QPushButton *mPbClose;
};

// Shows the error log modally over the owner and returns when the user closes it.
void reportErrors(QWidget *owner, const QStringList &errors);

} // namespace gb
