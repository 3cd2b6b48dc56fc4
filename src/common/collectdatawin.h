#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace gb {

// A modeless window holding one progress bar, captioned by its caller ("Compact Archive
// ...", "Creating thumbnails ..."). Made hidden: the caller sets the caption and the bar's
// range through pb(), shows it, advances the bar by one per item and closes it at the end.
// A run that can be stopped gives it an Abort button (showAbort()).
class CollectDataWin : public QDialog
{
    Q_OBJECT
public:
    explicit CollectDataWin(QWidget *owner = nullptr);

    QProgressBar *pb() const { return mOpb; }
    // Null until showAbort().
    QPushButton *abortButton() const { return mAbort; }

    // Adds an Abort button under the bar: it asks "Abort procedure ?" and on Yes sets
    // glAbortBatch and ends the window; on No nothing changes. Escape and close() then act
    // as the button: the run ends the window with done().
    void showAbort();
    // Without an Abort button, Escape and close() hide the window as any dialog's do.
    void reject() override;

private:
    void pbAbort();

    QProgressBar *mOpb;
    QPushButton *mAbort = nullptr;
};

} // namespace gb
