#pragma once

#include "common/dialogunits.h"
#include "common/settingrange.h"
#include "common/sharedhelpers.h"

#include <QAbstractSlider>
#include <QList>
#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QIcon;
class QLabel;
class QLineEdit;
class QListWidget;
class QPixmap;
class QPushButton;
class QSlider;
class QWidget;

namespace gb {

// Controls that the program's dialogs and wizard pages share: a number typed in an edit and
// followed by a spinner or a slider, and a colour sample with its change button. Each is
// placed in dialog units on a parent widget and hands out its Qt controls for anything
// further (object names, tab order, enabling). Further down: buttons that stand for stored
// codes, picture buttons and the editor of the information lines beside each image.
//
//   const DialogUnits du = DialogUnits::setUp(this, 196, 69);
//   auto *level = NumberPair::withSlider(this, du, {32, 14, 34, 12}, {67, 13, 121, 18},
//                                        1, 100, 3, NumberPair::CapHigh);
//   level->setNumber(50);                       // the slider follows the edit
//   auto *back = new ColorField(this, du, {69, 48, 26, 11}, {96, 48, 13, 11}, 0);
//   ... on Apply: level->number(), back->color()

// The numeric value of a text as the dialogs read typed numbers: the leading number after
// blanks ("12abc" is 12, "-4.5" is -4.5), 0 when the text begins with no number.
double numberOfText(const QString &text);
// A whole number as the dialogs write it: decimal digits without blanks.
inline QString numberText(long long n) { return QString::number(n); }

// A small up-and-down arrow control, the partner of an edit that holds a number. It is a
// slider without a track: the upper arrow steps the value up, the lower one down, keys and
// the wheel as a vertical slider's.
class Spinner : public QAbstractSlider
{
    Q_OBJECT
public:
    explicit Spinner(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int mPressed = 0; // +1 upper arrow, -1 lower arrow, 0 none
};

// An edit field of digits and its spinner or slider, kept in step both ways: typing moves
// the partner to the number typed (an empty field puts it at 0, held in its range), moving
// the partner writes its position into the edit. The partner's own clamping never writes
// back, so a typed number outside its range stays as typed unless the cap says otherwise.
// The edit takes at most `digits` digits, with a leading minus sign when the range goes
// below 0.
class NumberPair : public QObject
{
    Q_OBJECT
public:
    // What a typed number outside the range becomes.
    enum Cap {
        NoCap,   // stays as typed
        CapHigh, // above the maximum becomes the maximum
        CapBoth, // above the maximum the maximum, below the minimum the minimum
    };

    static NumberPair *withSpinner(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                   const QRect &spinnerRect, int min, int max, int digits, Cap cap = NoCap);
    static NumberPair *withSlider(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                  const QRect &sliderRect, int min, int max, int digits, Cap cap = NoCap);
    // The same over the range of a stored setting, so that the control offers what the
    // setting's validation accepts.
    static NumberPair *withSpinner(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                   const QRect &spinnerRect, const SettingRange &range, int digits, Cap cap = NoCap)
    {
        return withSpinner(parent, du, editRect, spinnerRect, range.min, range.max, digits, cap);
    }
    static NumberPair *withSlider(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                  const QRect &sliderRect, const SettingRange &range, int digits, Cap cap = NoCap)
    {
        return withSlider(parent, du, editRect, sliderRect, range.min, range.max, digits, cap);
    }

    QLineEdit *edit() const { return mEdit; }
    // The spinner or the slider.
    QAbstractSlider *partner() const { return mPartner; }
    QSlider *slider() const;

    // The numeric value of the edit's text (0 when empty); number() as a whole number,
    // rounded towards zero.
    double value() const;
    int number() const { return int(value()); }
    bool isEmpty() const;
    // Writes a number into the edit as typed text would be (the cap and the partner follow).
    void setNumber(long long n);
    void setText(const QString &text);
    void clear() { setText(QString()); }
    // Enables or disables the edit and its partner together.
    void setEnabled(bool enabled);
    void setObjectNames(const QString &editName, const QString &partnerName);

signals:
    // The edit's text changed, by typing, by the partner or by setText().
    void changed();

private:
    NumberPair(QWidget *parent, QAbstractSlider *partner, const DialogUnits &du, const QRect &editRect,
               const QRect &partnerRect, int min, int max, int digits, Cap cap);
    void editChanged(const QString &text);
    void partnerMoved(int position);

    QLineEdit *mEdit;
    QAbstractSlider *mPartner;
    Cap mCap;
};

// A framed sample painted in a colour and the button beside it that asks for another colour
// through the colour picker of the UI seam. A cancelled choice keeps the colour.
class ColorField : public QObject
{
    Q_OBJECT
public:
    ColorField(QWidget *parent, const DialogUnits &du, const QRect &sampleRect, const QRect &buttonRect,
               uint32_t color);

    QLabel *sample() const { return mSample; }
    QPushButton *button() const { return mButton; }
    // The colour number (red + green * 256 + blue * 65536).
    uint32_t color() const { return mColor; }
    // Repaints the sample; emits nothing.
    void setColor(uint32_t color);
    // Enables or disables the sample and the button together.
    void setEnabled(bool enabled);
    void setObjectNames(const QString &sampleName, const QString &buttonName);

signals:
    // The user chose a colour with the button.
    void colorChanged(uint32_t color);

private:
    void pbChange();

    QLabel *mSample;
    QPushButton *mButton;
    uint32_t mColor;
};

// The picture of every change-colour button.
QIcon changeColorIcon();

// A check or radio button that stands for one stored code of its group.
struct CodedButton {
    QAbstractButton *button;
    int code;
};
// The buttons of a group with their ids as codes, in the group's order.
std::vector<CodedButton> codedButtons(const QButtonGroup *group);
// Checks the button of `code` and clears the others, whether a button group or the buttons'
// own exclusiveness ties them; a code that no button carries leaves them all clear.
void checkByCode(const std::vector<CodedButton> &buttons, int code);
// The code of the first checked button; `stored` when none is checked, so a stored code that
// no button stands for survives showing and reading back.
int codeOfChecked(const std::vector<CodedButton> &buttons, int stored);

// A push button named `name` that shows a picture and no text, sized to the picture for
// pages placed by layouts.
QPushButton *pictureButton(QWidget *parent, const QString &name, const QPixmap &picture, const QString &tip = {});

// The editor of an ordered list of information lines written beside each image: the fixed
// list of items that can be chosen (AVAILLB), the owner's list of chosen codes (SELLB, whose
// lines are named from all of getVars(), so a stored "Title" or "Comments" shows even where
// it cannot be chosen), and the buttons that add an item not yet chosen, remove one, and
// move one up or down.
//
// Every change goes to the owner at once through the setter; the list is read back through
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
        // The information boxes of a button pressed without the item it needs.
        QString noInclude = QStringLiteral("Select information to include");
        QString noRemove = QStringLiteral("Select information to remove");
        QString noMoveUp = QStringLiteral("Select information to move up");
        QString noMoveDown = QStringLiteral("Select information to move down");
    };

    // The group box (texts.group) and its controls, placed within `rect` (dialog units) of
    // the page, the controls unnamed.
    InfoListEditor(QWidget *page, const DialogUnits &du, const QRect &rect, const Texts &texts,
                   const std::vector<ImageVarEntry> &items);
    // The controls laid out on a widget of their own (widget(), a child of `owner`) for the
    // owner's layout to place, named as the gallery pages know them; texts.group is unused.
    // These editors act on the current item of the chosen list even when a Ctrl+click
    // unselected it, the placed ones only on a selected item.
    InfoListEditor(QWidget *owner, const Texts &texts, const std::vector<ImageVarEntry> &items);

    // The owner's list: read before every change, written after it.
    void bind(std::function<Codes()> get, std::function<void(const Codes &)> set);

    // Refills SELLB from the owner's list (codes without a name are skipped); no item selected.
    void updateLb();

    // The laid-out editor's own widget; null for a placed one.
    QWidget *widget() const { return mWidget; }
    // Where the page may put a button of its own under the move buttons (dialog units).
    QRect spareButtonRect() const { return mSpare; }

    QListWidget *availLb() const { return mAvailLb; }
    QListWidget *selLb() const { return mSelLb; }
    QPushButton *selectButton() const { return mSelect; }
    QPushButton *deselectButton() const { return mDeselect; }
    QPushButton *moveUpButton() const { return mMoveUp; }
    QPushButton *moveDownButton() const { return mMoveDown; }
    // The lists and buttons, for enabling them together.
    QList<QWidget *> controls() const;

public slots:
    void pbSelect();
    void pbDeselect();
    void pbMoveUp();
    void pbMoveDown();

private:
    void fillAndConnect(const std::vector<ImageVarEntry> &items);
    // The 1-based row a button acts on, 0 when there is none.
    int actedRow(const QListWidget *list) const;
    // The same, after telling `missing` in an information box when there is none.
    int actedRowOrTell(const QListWidget *list, const QString &missing) const;
    void store(const Codes &codes, int select);
    // Moves the chosen item `step` places down (negative: up).
    void moveBy(int step, const QString &missing);

    QWidget *mPage;
    QWidget *mWidget = nullptr;
    Texts mTexts;
    bool mFollowCurrent = false;
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
