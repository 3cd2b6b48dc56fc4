#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace gb {

// "Add common keywords to a group of images...": gathers keywords that the catalog window
// then adds to every selected image. Save ends with 1 when the list holds a keyword (an empty
// list keeps the dialog open); Cancel ends with -1 and keywords() stays empty.
class BatchAddKeywordsWin : public QDialog
{
    Q_OBJECT
public:
    explicit BatchAddKeywordsWin(QWidget *owner = nullptr);
    // The list as Save found it, in list order.
    QStringList keywords() const { return mKeywords; }

    QListWidget *keywordsLb() const { return mList; }
    QPushButton *saveButton() const { return mSave; }

public slots:
    void pbNewKeyword();
    void pbRemoveKeyword();
    void pbSave();
    void pbCancel();

private:
    QListWidget *mList;
    QPushButton *mSave;
    QStringList mKeywords;
};

} // namespace gb
