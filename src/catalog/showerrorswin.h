#pragma once

#include <QDialog>

class QListWidget;

namespace gb {

// "Errors:": the per-file errors of an adding run, one sorted line each, and a Close button.
class ShowErrorsWin : public QDialog
{
    Q_OBJECT
public:
    ShowErrorsWin(QWidget *owner, const QStringList &errors);
    QListWidget *errorsLb() const { return mList; }

private:
    QListWidget *mList;
};

} // namespace gb
