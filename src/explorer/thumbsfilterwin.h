#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace gb {

// "Image Files Filter": which files the explorer shows, by extension, by a text the name
// must or must not hold and by modification dates. The caller sets the current filter
// through the setters before showing it. Apply takes the values and ends with 1, Remove
// ends with 2 taking nothing, Cancel ends with -1; nothing is checked.
class ThumbsFilterWin : public QDialog
{
    Q_OBJECT
public:
    // The extensions of the boxes, in box order.
    static const QStringList &boxExtensions();

    explicit ThumbsFilterWin(QWidget *owner = nullptr);

    // Ticks the boxes whose extension the list holds, clears the others.
    void setExtensions(const QStringList &extensions);
    void setIncludeFiles(const QString &text);
    void setExcludeFiles(const QString &text);
    void setModifiedAfter(const QDate &date);
    void setModifiedBefore(const QDate &date);

    // The values taken by Apply.
    QStringList extensions() const { return mExtensions; }
    QString includeFiles() const { return mIncludeFiles; }
    QString excludeFiles() const { return mExcludeFiles; }
    QDate modifiedAfter() const { return mModifiedAfter; }
    QDate modifiedBefore() const { return mModifiedBefore; }

    QLineEdit *inFiles() const { return mInFiles; }
    QLineEdit *exFiles() const { return mExFiles; }
    QLineEdit *modAfter() const { return mModAfter; }
    QLineEdit *modBefore() const { return mModBefore; }
    QCheckBox *box(const QString &extension) const;
    QPushButton *applyButton() const { return mApply; }
    QPushButton *removeButton() const { return mRemove; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void applyButtonClicked();
    void pbRemove();
    void pbCancel();

private:
    QLineEdit *mInFiles, *mExFiles, *mModAfter, *mModBefore;
    QList<QCheckBox *> mBoxes;
    QPushButton *mApply, *mCancel, *mRemove;
    QStringList mExtensions;
    QString mIncludeFiles, mExcludeFiles;
    QDate mModifiedAfter, mModifiedBefore;
};

} // namespace gb
