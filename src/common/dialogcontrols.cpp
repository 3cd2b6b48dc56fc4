#include "common/dialogcontrols.h"

#include "resources/resourceclasses.h"
#include "common/changebackcolor.h"
#include "common/colorvalues.h"

#include "common/messages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleOption>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace gb {

double numberOfText(const QString &text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*([-+]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch m = leading.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

// ---- Spinner ----

Spinner::Spinner(QWidget *parent)
    : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setFocusPolicy(Qt::StrongFocus);
}

QSize Spinner::sizeHint() const
{
    return QSize(16, 22);
}

void Spinner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        if (mPressed == (i == 0 ? 1 : -1))
            button.state |= QStyle::State_Sunken;
        else
            button.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(2, 1, -2, -1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &p,
                               this);
    }
}

void Spinner::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    mPressed = event->position().y() < height() / 2 ? 1 : -1;
    const SliderAction action = mPressed > 0 ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(action);
    setRepeatAction(action, 400, 60);
    update();
}

void Spinner::mouseReleaseEvent(QMouseEvent *)
{
    mPressed = 0;
    setRepeatAction(SliderNoAction);
    update();
}

// ---- NumberPair ----

NumberPair::NumberPair(QWidget *parent, QAbstractSlider *partner, const DialogUnits &du, const QRect &editRect,
                       const QRect &partnerRect, int min, int max, int digits, Cap cap)
    : QObject(parent), mEdit(new QLineEdit(parent)), mPartner(partner), mCap(cap)
{
    mEdit->setGeometry(du.rect(editRect));
    const QString sign = min < 0 ? QStringLiteral("-?") : QString();
    mEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("%1[0-9]{0,%2}").arg(sign).arg(qMax(1, digits))), mEdit));
    mPartner->setGeometry(du.rect(partnerRect));
    mPartner->setRange(min, max);
    connect(mEdit, &QLineEdit::textChanged, this, &NumberPair::editChanged);
    connect(mPartner, &QAbstractSlider::valueChanged, this, &NumberPair::partnerMoved);
}

NumberPair *NumberPair::withSpinner(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                    const QRect &spinnerRect, int min, int max, int digits, Cap cap)
{
    return new NumberPair(parent, new Spinner(parent), du, editRect, spinnerRect, min, max, digits, cap);
}

NumberPair *NumberPair::withSlider(QWidget *parent, const DialogUnits &du, const QRect &editRect,
                                   const QRect &sliderRect, int min, int max, int digits, Cap cap)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(qMax(1, (max - min) / 10));
    return new NumberPair(parent, slider, du, editRect, sliderRect, min, max, digits, cap);
}

QSlider *NumberPair::slider() const
{
    return qobject_cast<QSlider *>(mPartner);
}

double NumberPair::value() const
{
    return numberOfText(mEdit->text());
}

bool NumberPair::isEmpty() const
{
    return mEdit->text().trimmed().isEmpty();
}

void NumberPair::setNumber(long long n)
{
    setText(numberText(n));
}

void NumberPair::setText(const QString &text)
{
    if (mEdit->text() == text) {
        editChanged(text); // the partner follows even when the text stays
        return;
    }
    mEdit->setText(text);
}

void NumberPair::setEnabled(bool enabled)
{
    mEdit->setEnabled(enabled);
    mPartner->setEnabled(enabled);
}

void NumberPair::setObjectNames(const QString &editName, const QString &partnerName)
{
    mEdit->setObjectName(editName);
    mPartner->setObjectName(partnerName);
}

void NumberPair::editChanged(const QString &text)
{
    if (!text.trimmed().isEmpty()) {
        const double n = numberOfText(text);
        // Setting the capped text comes back here with a number in range.
        if ((mCap == CapHigh || mCap == CapBoth) && n > mPartner->maximum()) {
            mEdit->setText(numberText(mPartner->maximum()));
            return;
        }
        if (mCap == CapBoth && n < mPartner->minimum()) {
            mEdit->setText(numberText(mPartner->minimum()));
            return;
        }
    }
    {
        // The partner holds the number within its range; that must not be written back,
        // or an empty edit would turn into the range's lowest number.
        const QSignalBlocker quiet(mPartner);
        const double n = std::clamp(value(), double(mPartner->minimum()), double(mPartner->maximum()));
        mPartner->setValue(int(n));
        mPartner->update();
    }
    emit changed();
}

void NumberPair::partnerMoved(int position)
{
    mEdit->setText(numberText(position));
}

// ---- ColorField ----

QIcon changeColorIcon()
{
    const QPixmap bitmap = resourceBitmap(QStringLiteral("CHANGECOLORBM"));
    if (!bitmap.isNull())
        return QIcon(bitmap);
    // Four colour squares when the program's picture is not built in.
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(1, 1, 7, 7, Qt::red);
    p.fillRect(8, 1, 7, 7, Qt::green);
    p.fillRect(1, 8, 7, 7, Qt::blue);
    p.fillRect(8, 8, 7, 7, Qt::yellow);
    return QIcon(pm);
}

ColorField::ColorField(QWidget *parent, const DialogUnits &du, const QRect &sampleRect, const QRect &buttonRect,
                       uint32_t color)
    : QObject(parent), mSample(new QLabel(parent)), mButton(new QPushButton(parent)), mColor(color)
{
    mSample->setFrameStyle(QFrame::Box | QFrame::Plain);
    mSample->setGeometry(du.rect(sampleRect));
    mButton->setGeometry(du.rect(buttonRect));
    mButton->setIcon(changeColorIcon());
    mButton->setAutoDefault(false);
    changeBackColor(mSample, mColor);
    connect(mButton, &QPushButton::clicked, this, &ColorField::pbChange);
}

void ColorField::setColor(uint32_t color)
{
    mColor = color & 0xFFFFFF;
    changeBackColor(mSample, mColor);
}

void ColorField::setEnabled(bool enabled)
{
    mSample->setEnabled(enabled);
    mButton->setEnabled(enabled);
}

void ColorField::setObjectNames(const QString &sampleName, const QString &buttonName)
{
    mSample->setObjectName(sampleName);
    mButton->setObjectName(buttonName);
}

void ColorField::pbChange()
{
    const QWidget *owner = mButton->window();
    setColor(changeColor(const_cast<QWidget *>(owner), mColor));
    emit colorChanged(mColor);
}

std::vector<CodedButton> codedButtons(const QButtonGroup *group)
{
    std::vector<CodedButton> buttons;
    for (QAbstractButton *button : group->buttons())
        buttons.push_back({button, group->id(button)});
    return buttons;
}

void checkByCode(const std::vector<CodedButton> &buttons, int code)
{
    for (const CodedButton &b : buttons) {
        const bool on = b.code == code;
        if (b.button->isChecked() == on)
            continue;
        // Exclusiveness would refuse to clear the checked button or clear another one.
        QButtonGroup *group = b.button->group();
        const bool groupExclusive = group && group->exclusive();
        const bool autoExclusive = b.button->autoExclusive();
        if (group)
            group->setExclusive(false);
        b.button->setAutoExclusive(false);
        b.button->setChecked(on);
        b.button->setAutoExclusive(autoExclusive);
        if (group)
            group->setExclusive(groupExclusive);
    }
}

int codeOfChecked(const std::vector<CodedButton> &buttons, int stored)
{
    for (const CodedButton &b : buttons) {
        if (b.button->isChecked())
            return b.code;
    }
    return stored;
}

QPushButton *pictureButton(QWidget *parent, const QString &name, const QPixmap &picture, const QString &tip)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size().isEmpty() ? QSize(16, 16) : picture.size());
    button->setToolTip(tip);
    button->setFixedSize(button->iconSize() + QSize(10, 8));
    return button;
}

// ---- InfoListEditor ----

namespace {

QPushButton *placedPictureButton(QWidget *page, const QPixmap &picture, const QString &tip, const QRect &rect)
{
    auto *button = new QPushButton(page);
    button->setIcon(QIcon(picture));
    button->setToolTip(tip);
    button->setGeometry(rect);
    return button;
}

QListWidgetItem *codeItem(const QString &label, int code)
{
    auto *item = new QListWidgetItem(label);
    item->setData(Qt::UserRole, code);
    return item;
}

QLabel *namedLabel(QWidget *parent, const QString &text, const QString &name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

InfoListEditor::InfoListEditor(QWidget *page, const DialogUnits &du, const QRect &rect, const Texts &texts,
                               const std::vector<ImageVarEntry> &items)
    : QObject(page)
    , mPage(page)
    , mTexts(texts)
{
    const int x = rect.x(), y = rect.y();
    const int listWidth = (rect.width() - 62) / 2;
    auto *group = new QGroupBox(texts.group, page);
    group->setGeometry(du.rect(x, y, rect.width(), rect.height()));
    auto *avail = new QLabel(QStringLiteral("Available:"), page);
    avail->setGeometry(du.rect(x + 6, y + 10, 60, 9));
    mAvailLb = new QListWidget(page);
    mAvailLb->setGeometry(du.rect(x + 6, y + 20, listWidth, rect.height() - 25));
    mAvailLb->setToolTip(texts.availTip);
    const int middle = x + 6 + listWidth + 4;
    mSelect = placedPictureButton(page, RightSArrow(), texts.selectTip, du.rect(middle, y + 30, 20, 14));
    mDeselect = placedPictureButton(page, LeftSArrow(), texts.deselectTip, du.rect(middle, y + 48, 20, 14));
    const int selX = middle + 24;
    auto *sel = new QLabel(QStringLiteral("Selected:"), page);
    sel->setGeometry(du.rect(selX, y + 10, 60, 9));
    mSelLb = new QListWidget(page);
    mSelLb->setGeometry(du.rect(selX, y + 20, listWidth, rect.height() - 25));
    mSelLb->setToolTip(texts.selTip);
    const int right = selX + listWidth + 4;
    mMoveUp = placedPictureButton(page, UpArrow(), texts.moveUpTip, du.rect(right, y + 20, 20, 14));
    mMoveDown = placedPictureButton(page, DownArrow(), texts.moveDownTip, du.rect(right, y + 38, 20, 14));
    mSpare = QRect(right, y + 58, 20, 14);
    fillAndConnect(items);
}

InfoListEditor::InfoListEditor(QWidget *owner, const Texts &texts, const std::vector<ImageVarEntry> &items)
    : QObject(owner)
    , mWidget(new QWidget(owner))
    , mTexts(texts)
    , mFollowCurrent(true)
{
    mPage = mWidget;
    mAvailLb = new QListWidget(mWidget);
    mAvailLb->setObjectName(QStringLiteral("AVAILLB"));
    mAvailLb->setToolTip(texts.availTip);
    mSelLb = new QListWidget(mWidget);
    mSelLb->setObjectName(QStringLiteral("SELLB"));
    mSelLb->setToolTip(texts.selTip);
    mSelect = pictureButton(mWidget, QStringLiteral("PBSELECT"), RightSArrow(), texts.selectTip);
    mDeselect = pictureButton(mWidget, QStringLiteral("PBDESELECT"), LeftSArrow(), texts.deselectTip);
    mMoveUp = pictureButton(mWidget, QStringLiteral("PBMOVEUP"), UpArrow(), texts.moveUpTip);
    mMoveDown = pictureButton(mWidget, QStringLiteral("PBMOVEDOWN"), DownArrow(), texts.moveDownTip);
    for (QListWidget *list : {mAvailLb, mSelLb})
        list->setMinimumHeight(70);

    auto *grid = new QGridLayout(mWidget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(namedLabel(mWidget, QStringLiteral("Available:"), QStringLiteral("FIXEDTEXT5")), 0, 0);
    grid->addWidget(namedLabel(mWidget, QStringLiteral("Selected:"), QStringLiteral("FIXEDTEXT6")), 0, 2);
    grid->addWidget(mAvailLb, 1, 0);
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(mSelect);
    moves->addWidget(mDeselect);
    moves->addStretch();
    grid->addLayout(moves, 1, 1);
    grid->addWidget(mSelLb, 1, 2);
    auto *order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(mMoveUp);
    order->addWidget(mMoveDown);
    order->addStretch();
    grid->addLayout(order, 1, 3);
    fillAndConnect(items);
}

void InfoListEditor::fillAndConnect(const std::vector<ImageVarEntry> &items)
{
    for (const ImageVarEntry &entry : items)
        mAvailLb->addItem(codeItem(entry.label, entry.code));
    connect(mSelect, &QPushButton::clicked, this, &InfoListEditor::pbSelect);
    connect(mDeselect, &QPushButton::clicked, this, &InfoListEditor::pbDeselect);
    connect(mMoveUp, &QPushButton::clicked, this, &InfoListEditor::pbMoveUp);
    connect(mMoveDown, &QPushButton::clicked, this, &InfoListEditor::pbMoveDown);
}

void InfoListEditor::bind(std::function<Codes()> get, std::function<void(const Codes &)> set)
{
    mGet = std::move(get);
    mSet = std::move(set);
}

QList<QWidget *> InfoListEditor::controls() const
{
    return {mAvailLb, mSelect, mDeselect, mSelLb, mMoveUp, mMoveDown};
}

void InfoListEditor::updateLb()
{
    mSelLb->clear();
    if (!mGet)
        return;
    const std::vector<ImageVarEntry> names = getVars();
    for (int code : mGet()) {
        const auto it = std::find_if(names.begin(), names.end(), [code](const ImageVarEntry &e) { return e.code == code; });
        if (it != names.end())
            mSelLb->addItem(codeItem(it->label, code));
    }
    mSelLb->setCurrentRow(-1);
}

int InfoListEditor::actedRow(const QListWidget *list) const
{
    if (mFollowCurrent) {
        const QListWidgetItem *current = list->currentItem();
        if (!current || (list == mAvailLb && !current->isSelected()))
            return 0;
        return list->currentRow() + 1;
    }
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? 0 : list->row(chosen.first()) + 1;
}

int InfoListEditor::actedRowOrTell(const QListWidget *list, const QString &missing) const
{
    const int n = actedRow(list);
    if (n == 0)
        infoMessage(mPage, missing);
    return n;
}

// Rows of the chosen list are positions in the owner's list; `select` is 1-based, 0 for none.
void InfoListEditor::store(const Codes &codes, int select)
{
    mSet(codes);
    updateLb();
    if (select >= 1 && select <= mSelLb->count())
        mSelLb->setCurrentRow(select - 1);
}

void InfoListEditor::pbSelect()
{
    const int n = actedRowOrTell(mAvailLb, mTexts.noInclude);
    if (n == 0)
        return;
    if (!mGet)
        return;
    const int code = mAvailLb->item(n - 1)->data(Qt::UserRole).toInt();
    Codes codes = mGet();
    if (std::find(codes.begin(), codes.end(), code) != codes.end())
        return;
    codes.push_back(code);
    store(codes, 0);
}

void InfoListEditor::pbDeselect()
{
    const int n = actedRowOrTell(mSelLb, mTexts.noRemove);
    if (n == 0)
        return;
    Codes codes = mGet();
    if (n > int(codes.size()))
        return;
    codes.erase(codes.begin() + (n - 1));
    store(codes, n - 1);
}

void InfoListEditor::pbMoveUp()
{
    moveBy(-1, mTexts.noMoveUp);
}

void InfoListEditor::pbMoveDown()
{
    moveBy(1, mTexts.noMoveDown);
}

// Past either end of the list the item stays where it is.
void InfoListEditor::moveBy(int step, const QString &missing)
{
    const int n = actedRowOrTell(mSelLb, missing);
    if (n == 0)
        return;
    Codes codes = mGet();
    const int to = n + step;
    if (to < 1 || n > int(codes.size()) || to > int(codes.size()))
        return;
    swapArrayElements(codes, n, to);
    store(codes, to);
}

} // namespace gb
