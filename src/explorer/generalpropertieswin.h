#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace gb {

// The "General Properties" page of the file properties dialog: where the file is, its name,
// size and times, and its attributes (shown, never changed).
class GeneralPropertiesWin : public QWidget
{
    Q_OBJECT
public:
    explicit GeneralPropertiesWin(QWidget *owner = nullptr);

    void setFileName(const QString &file);

    // The value fields in the order "Location:", "File Name:", "Size (bytes):",
    // "MS-DOS Name:", "Created:", "Modified:", "Accessed:".
    QStringList values() const;
    QCheckBox *readOnlyBox() const { return mReadOnly; }
    QCheckBox *archiveBox() const { return mArchive; }
    QCheckBox *hiddenBox() const { return mHidden; }
    QCheckBox *systemBox() const { return mSystem; }

private:
    QList<QLabel *> mValues;
    QCheckBox *mReadOnly, *mArchive, *mHidden, *mSystem;
};

} // namespace gb
