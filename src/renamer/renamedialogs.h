#pragma once

#include "platform/table/value.h"

#include <QDialog>
#include <QString>

#include <optional>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QRect;
class QWidget;

namespace gb {

class DialogUnits;

// Pieces the four rename command dialogs share.

// A modal dialog that edits the parameter array of one rename command. Made with its owner
// and the command's old parameters (empty for a new command, which presets the values a
// new command holds). Ok checks the input: a problem shows its error box and keeps the
// dialog open with everything typed; valid input fills data() and ends with 1. Cancel ends
// with -1. The old array is only read.
class RenameDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

    // The new parameter array; valid once the dialog ended with 1.
    const ValueArray &data() const { return mData; }

    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void pbOk();
    void pbCancel();
    // The close box ends like Cancel.
    void reject() override { pbCancel(); }

protected:
    // Places Ok and Cancel side by side at the bottom, centred in a dialog `width` units wide.
    void addOkCancel(const DialogUnits &du, int width, int y);
    // Checks the input, showing a box per problem; the parameter array when all is valid.
    virtual std::optional<ValueArray> collect() = 0;
    // Enables the controls that the chosen options use (run after every click).
    virtual void adjustControls() {}

private:
    ValueArray mData;
    QPushButton *mOk = nullptr;
    QPushButton *mCancel = nullptr;
};

// An edit that takes at most `digits` digits and nothing else.
QLineEdit *renameDigitsEdit(QWidget *parent, const QRect &rect, int digits);
// The decimal value of a digits edit; 0 when it is empty.
int renameFieldNumber(const QLineEdit *edit);
// A radio button of a group at a place; its id in the group is its code.
QRadioButton *renameRadio(QWidget *parent, QButtonGroup *group, int code, const QString &text, const QRect &rect);
// A label at a place.
QLabel *renameLabel(QWidget *parent, const QString &text, const QRect &rect);
// A group box frame at a place (the buttons inside are siblings, grouped by a QButtonGroup).
QGroupBox *renameFrame(QWidget *parent, const QString &caption, const QRect &rect);

// The "Standard Text" or "Auto Enumeration" choice of the Insert and Replace dialogs: a
// radio group with a text edit for the one and a number start and length for the other.
// Placed with its top-left corner at (x, y) dialog units, 247 x 45 units in all.
class RenameWithGroup
{
public:
    RenameWithGroup(QWidget *dialog, const DialogUnits &du, const QString &caption, int x, int y);

    // Presets from the slots: with (1 text, anything else number), text, start, length.
    void preset(int with, const QString &text, int numberStart, int numberLength);
    // Text edit enabled with Standard Text, the two number edits otherwise.
    void adjustControls();
    bool standardText() const;
    QString trimmedText() const;
    int numberStart() const;
    int numberLength() const;

    QButtonGroup *buttons() const { return mButtons; }
    QRadioButton *stdText() const { return mStdText; }
    QRadioButton *enumeration() const { return mEnumeration; }
    QLineEdit *replaceText() const { return mReplaceText; }
    QLineEdit *enumStart() const { return mEnumStart; }
    QLineEdit *enumLength() const { return mEnumLength; }

private:
    QButtonGroup *mButtons;
    QRadioButton *mStdText;
    QLineEdit *mReplaceText;
    QRadioButton *mEnumeration;
    QLineEdit *mEnumStart;
    QLineEdit *mEnumLength;
};

// Opens the dialog of a command kind (1 Insert, 2 Delete, 3 Replace, 4 Casing) modally,
// preset from the old parameters (empty: a new command). The new parameter array after Ok;
// nothing after Cancel or for an unknown kind. The old array is never changed.
std::optional<ValueArray> editRenameCommand(QWidget *owner, int kind, const ValueArray &oldData = {});

} // namespace gb
