#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace gb {

// The four criteria pages of the catalog search. Each keeps nothing beyond its controls:
// every access reads them when called. They test nothing; the search checks the values.

// "General": media kinds, file-name patterns, modification dates and sizes in kilobytes.
class GeneralFindWin : public QWidget
{
    Q_OBJECT
public:
    explicit GeneralFindWin(QWidget *owner = nullptr);
    // "1".."4" for each kind that is on, in that order.
    QStringList aMediaTypes() const;
    QString includeInFile() const;
    QString excludeFromFile() const;
    // The date typed in the program's date format; the null date when there is none.
    QDate modifiedAfter() const;
    QDate modifiedBefore() const;
    int sizeGreater() const;
    int sizeLess() const;

    QCheckBox *fixedDisks, *networkDisks, *cd, *removableDisks;
    QLineEdit *incInFile, *excFromFile, *modAfter, *modBefore, *sizeGr, *sizeLessEdit;
};

// "Image Format": ten check boxes, all on at first.
class FindImageFormatWin : public QWidget
{
    Q_OBJECT
public:
    explicit FindImageFormatWin(QWidget *owner = nullptr);
    // The upper-case extensions of the boxes that are on, in box order.
    QStringList imageTypes() const;
    QList<QCheckBox *> boxes;
};

// "Keywords": the keywords to look for and how to match them.
class FindKeywordsWin : public QWidget
{
    Q_OBJECT
public:
    explicit FindKeywordsWin(QWidget *owner = nullptr);
    // A new list of every keyword of the page, selected or not, in sorted order.
    QStringList keywords() const;
    bool all() const;
    bool exactMatch() const;
    bool caseSensitive() const;

    QListWidget *keywordsLb;
    QRadioButton *one, *allButton, *exact, *partial;
    QCheckBox *caseSensitiveCb;

public slots:
    void pbAddKeyword();
    void pbRemoveKeyword();
};

// "Comments": a text the comment must hold and one it must not.
class FindCommentsWin : public QWidget
{
    Q_OBJECT
public:
    explicit FindCommentsWin(QWidget *owner = nullptr);
    QString includeInComments() const;
    QString excludeFromComments() const;
    bool caseSensitive() const;

    QLineEdit *inComments, *exComments;
    QCheckBox *caseSensitiveCb;
};

} // namespace gb
