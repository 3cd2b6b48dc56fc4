#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace gb {

// The one-line prompt, captioned "Enter new keyword ..." (callers may set another caption
// before showing it). Ok accepts the text without leading and trailing blanks and ends with
// 1, but only when something is left; an empty or all-blank text keeps the prompt open
// without a message. Cancel ends with -1.
class NewKeywordWin : public QDialog
{
    Q_OBJECT
public:
    explicit NewKeywordWin(QWidget *owner = nullptr);

    // The accepted text; a null text until Ok was pressed.
    QString keyword() const { return mKeyword; }

    QLineEdit *keyEdit() const { return mKey; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void pbOk();
    void pbCancel();

private:
    QLineEdit *mKey;
    QPushButton *mOk;
    QPushButton *mCancel;
    QString mKeyword;
};

} // namespace gb
