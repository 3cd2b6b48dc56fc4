#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace gb {

// A modeless one-line message ("Please Wait ...") shown while long work runs. It shows
// itself when made, with the first message painted before the caller's work starts; the
// caller changes the text with setNewMessage() and ends it with done(1) (it deletes itself
// when ended, so hold it in a QPointer when it may outlive its owner). Work that serves
// events while it runs may give it an Abort button (withAbort): a press asks "Abort
// procedure ?" and Yes sets glAbortBatch and ends the window, as the batch progress window
// does; Escape acts as the button. Without the button the window only shows its text.
class PleaseWaitWin : public QDialog
{
    Q_OBJECT
public:
    explicit PleaseWaitWin(QWidget *owner = nullptr, const QString &message = QString(), bool withAbort = false);

    QString message() const;
    // NEWMESSAGE: replaces the message and repaints it at once.
    void setNewMessage(const QString &text);
    // The Abort button; null without one.
    QPushButton *abortButton() const { return mAbort; }

    // The Abort button: asks "Abort procedure ?"; Yes sets glAbortBatch and ends the
    // window, No changes nothing.
    void pbAbort();
    // Escape: the Abort button's question when there is one, else the dialog's own close.
    void reject() override;

private:
    QLabel *mInfoFt;
    QPushButton *mAbort = nullptr;
};

} // namespace gb
