#pragma once

#include "platform/table/value.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace gb {

// The saved-settings picker: lists the saved settings of one tool by description, in
// alphabetical order regardless of case, with the first one selected, and lets the user load
// one (result 1, key() the chosen record's key) or remove records at once (the list is filled
// again, nothing selected). Cancel ends with -1. Open it through loadSettings().
class SettingsWin : public QDialog
{
    Q_OBJECT
public:
    // kind names the tool: "HTML", "COMP", "RENAME", "PRIN", anything else batch jobs.
    SettingsWin(QWidget *owner, const QString &kind);

    // The chosen key; empty until Load succeeded.
    QString key() const { return mKey; }

    QListWidget *settings() const { return mSettings; }
    QPushButton *loadButton() const { return mLoad; }
    QPushButton *cancelButton() const { return mCancel; }
    QPushButton *removeButton() const { return mRemove; }

public slots:
    void pbLoad();
    void pbCancel();
    void pbRemove();

private:
    void fillList();

    QString mKind;
    QString mKey;
    QListWidget *mSettings;
    QPushButton *mLoad;
    QPushButton *mCancel;
    QPushButton *mRemove;
};

// Shows the picker for a tool's kind, captioned "Saved Settings". After Load, key receives
// the chosen record's key and the record's settings array is returned; after Cancel, key
// keeps its value and the array is empty.
ValueArray loadSettings(QWidget *owner, const QString &kind, QString &key);

} // namespace gb
