#include "sheets/infolisteditor.h"

#include "resources/resourceclasses.h"
#include "common/dialogunits.h"
#include "common/messages.h"
#include "common/sharedhelpers.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace gb {

namespace {

QPushButton *pictureButton(QWidget *page, const QPixmap &picture, const QString &tip, const QRect &rect)
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

} // namespace

InfoListEditor::InfoListEditor(QWidget *page, const DialogUnits &du, const QRect &rect, const Texts &texts)
    : QObject(page)
    , mPage(page)
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
    mSelect = pictureButton(page, RightSArrow(), texts.selectTip, du.rect(middle, y + 30, 20, 14));
    mDeselect = pictureButton(page, LeftSArrow(), texts.deselectTip, du.rect(middle, y + 48, 20, 14));
    const int selX = middle + 24;
    auto *sel = new QLabel(QStringLiteral("Selected:"), page);
    sel->setGeometry(du.rect(selX, y + 10, 60, 9));
    mSelLb = new QListWidget(page);
    mSelLb->setGeometry(du.rect(selX, y + 20, listWidth, rect.height() - 25));
    mSelLb->setToolTip(texts.selTip);
    const int right = selX + listWidth + 4;
    mMoveUp = pictureButton(page, UpArrow(), texts.moveUpTip, du.rect(right, y + 20, 20, 14));
    mMoveDown = pictureButton(page, DownArrow(), texts.moveDownTip, du.rect(right, y + 38, 20, 14));
    mSpare = QRect(right, y + 58, 20, 14);

    for (const ImageVarEntry &entry : getVars1())
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
}

int InfoListEditor::selectedRow(const QListWidget *list) const
{
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? 0 : list->row(chosen.first()) + 1;
}

void InfoListEditor::selectRow(int n)
{
    mSelLb->clearSelection();
    if (n >= 1 && n <= mSelLb->count())
        mSelLb->setCurrentRow(n - 1);
}

void InfoListEditor::pbSelect()
{
    const int n = selectedRow(mAvailLb);
    if (n == 0) {
        infoMessage(mPage, QStringLiteral("Select information to include"));
        return;
    }
    if (!mGet)
        return;
    const int code = mAvailLb->item(n - 1)->data(Qt::UserRole).toInt();
    Codes codes = mGet();
    if (std::find(codes.begin(), codes.end(), code) != codes.end())
        return;
    codes.push_back(code);
    mSet(codes);
    updateLb();
}

void InfoListEditor::pbDeselect()
{
    const int n = selectedRow(mSelLb);
    if (n == 0) {
        infoMessage(mPage, QStringLiteral("Select information to remove"));
        return;
    }
    Codes codes = mGet();
    if (n > int(codes.size()))
        return;
    codes.erase(codes.begin() + (n - 1));
    mSet(codes);
    updateLb();
    selectRow(n - 1);
}

void InfoListEditor::pbMoveUp()
{
    const int n = selectedRow(mSelLb);
    if (n == 0) {
        infoMessage(mPage, QStringLiteral("Select information to move up"));
        return;
    }
    if (n == 1)
        return;
    Codes codes = mGet();
    swapArrayElements(codes, n, n - 1);
    mSet(codes);
    updateLb();
    selectRow(n - 1);
}

void InfoListEditor::pbMoveDown()
{
    const int n = selectedRow(mSelLb);
    if (n == 0) {
        infoMessage(mPage, QStringLiteral("Select information to move down"));
        return;
    }
    Codes codes = mGet();
    if (n >= int(codes.size()))
        return;
    swapArrayElements(codes, n, n + 1);
    mSet(codes);
    updateLb();
    selectRow(n + 1);
}

} // namespace gb
