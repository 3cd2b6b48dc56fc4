#pragma once

#include <QDialog>

class QLineEdit;

namespace gb {

// "Media without label found ...": asks for a label for a drive whose volume has none. Ok
// takes the first 11 characters of the text with the blanks at both ends removed, refuses an
// empty one with "Please enter a label", and keeps it as the volume's label (setVolumeLabel);
// when that fails it shows "\r\nError: " and the reason and stays open. Ends with 1 after a
// kept label, -1 on Cancel.
class EnterLabelWin : public QDialog
{
    Q_OBJECT
public:
    EnterLabelWin(QWidget *owner, const QString &driveRoot);
    QString newLabel() const { return mLabel; }
    QLineEdit *labelEdit() const { return mEdit; }

public slots:
    void pbOk();
    void pbCancel();

private:
    QString mRoot;
    QLineEdit *mEdit;
    QString mLabel;
};

} // namespace gb
