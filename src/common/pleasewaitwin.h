#pragma once

#include <QDialog>

class QLabel;

namespace gb {

// A modeless one-line message ("Please Wait ...") shown while long work runs. It shows
// itself when made, with the first message painted before the caller's work starts; the
// caller changes the text with setNewMessage() and ends it with done(1) (it deletes itself
// when ended, so hold it in a QPointer when it may outlive its owner).
class PleaseWaitWin : public QDialog
{
    Q_OBJECT
public:
    explicit PleaseWaitWin(QWidget *owner = nullptr, const QString &message = QString());

    QString message() const;
    // NEWMESSAGE: replaces the message and repaints it at once.
    void setNewMessage(const QString &text);

private:
    QLabel *mInfoFt;
};

} // namespace gb
