#pragma once

#include <QDialog>
#include <QRect>

class QLineEdit;
class QPushButton;

namespace gb {

// A one-line text prompt: an edit above Ok and Cancel. Ok keeps the text without leading
// and trailing blanks and ends with 1; when the prompt does not accept an empty answer, an
// empty or all-blank text keeps it open without a message. Cancel ends with -1. The two
// prompts of the program (the name prompt and the keyword prompt) differ only in their
// sizes, places and that rule, which the Layout gives.
class LinePromptWin : public QDialog
{
    Q_OBJECT
public:
    // Sizes and places in dialog units.
    struct Layout {
        int width, height;
        QRect edit, ok, cancel;
        bool acceptsEmpty;
    };

    LinePromptWin(QWidget *owner, const QString &caption, const Layout &layout,
                  Qt::WindowFlags flags = Qt::Dialog);

    // The text kept by Ok; a null text until Ok was accepted.
    QString answer() const { return mAnswer; }
    void setText(const QString &text);

    QLineEdit *edit() const { return mEdit; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void pbOk();
    void pbCancel();

private:
    QLineEdit *mEdit;
    QPushButton *mOk;
    QPushButton *mCancel;
    QString mAnswer;
    bool mAcceptsEmpty;
};

} // namespace gb
