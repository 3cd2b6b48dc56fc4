#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QListWidget;
class QPushButton;
class QWidget;

namespace gb {

class DialogUnits;

// The editor of an ordered list of information lines written beside each image, as the
// sheet and print layout pages show it: the fixed list of items that can be chosen
// (AVAILLB, the nine items of getVars1()), the job's own list of chosen codes (SELLB, which
// also names "Title" and "Comments" when a stored list holds them), and the buttons that
// add an item not yet chosen, remove one, and move one up or down.
//
// Every change goes to the job at once through the setter; the list is read back through
// the getter before each change, so the editor keeps no copy. A button pressed without the
// item it needs shows an information box and changes nothing; moving the first item up or
// the last one down does nothing.
class InfoListEditor : public QObject
{
    Q_OBJECT
public:
    using Codes = std::vector<int>;
    struct Texts {
        QString group, availTip, selTip, selectTip, deselectTip, moveUpTip, moveDownTip;
    };

    // The group box and its controls, placed within `rect` (dialog units) of the page.
    InfoListEditor(QWidget *page, const DialogUnits &du, const QRect &rect, const Texts &texts);

    // The job's list: read before every change, written after it.
    void bind(std::function<Codes()> get, std::function<void(const Codes &)> set);

    // Refills SELLB from the job's list (codes without a name are skipped); no item selected.
    void updateLb();

    // Where the page may put a button of its own under the move buttons (dialog units).
    QRect spareButtonRect() const { return mSpare; }

    QListWidget *availLb() const { return mAvailLb; }
    QListWidget *selLb() const { return mSelLb; }
    QPushButton *selectButton() const { return mSelect; }
    QPushButton *deselectButton() const { return mDeselect; }
    QPushButton *moveUpButton() const { return mMoveUp; }
    QPushButton *moveDownButton() const { return mMoveDown; }

public slots:
    void pbSelect();
    void pbDeselect();
    void pbMoveUp();
    void pbMoveDown();

private:
    int selectedRow(const QListWidget *list) const;
    void selectRow(int n);

    QWidget *mPage;
    std::function<Codes()> mGet;
    std::function<void(const Codes &)> mSet;
    QListWidget *mAvailLb;
    QListWidget *mSelLb;
    QPushButton *mSelect;
    QPushButton *mDeselect;
    QPushButton *mMoveUp;
    QPushButton *mMoveDown;
    QRect mSpare;
};

} // namespace gb
