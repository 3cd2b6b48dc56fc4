#pragma once

#include <QDialog>

class QProgressBar;

namespace gb {

// A modeless window holding one progress bar, captioned by its caller ("Compact Archive
// ...", "Creating thumbnails ..."). Made hidden: the caller sets the caption and the bar's
// range through pb(), shows it, advances the bar by one per item and closes it at the end.
class CollectDataWin : public QDialog
{
    Q_OBJECT
public:
    explicit CollectDataWin(QWidget *owner = nullptr);

    QProgressBar *pb() const { return mOpb; }

private:
    QProgressBar *mOpb;
};

} // namespace gb
