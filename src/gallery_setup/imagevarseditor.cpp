#include "gallery_setup/imagevarseditor.h"

#include "resources/resourceclasses.h"
#include "common/messages.h"
#include "common/sharedhelpers.h"
#include "gallery_setup/pagefields.h"

#include <QLabel>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {

ImageVarsEditor::ImageVarsEditor(QWidget *owner, const QString &kind) : QWidget(owner)
{
    mAvail = new QListWidget(this);
    mAvail->setObjectName(QStringLiteral("AVAILLB"));
    mAvail->setToolTip(QStringLiteral("Available information to include with each %1").arg(kind));
    for (const ImageVarEntry &item : getVars()) {
        auto *line = new QListWidgetItem(item.label, mAvail);
        line->setData(Qt::UserRole, item.code);
    }
    mSel = new QListWidget(this);
    mSel->setObjectName(QStringLiteral("SELLB"));
    mSel->setToolTip(QStringLiteral("Selected information to include with each %1").arg(kind));
    const QString page = kind == QLatin1String("thumbnail") ? QStringLiteral("thumbnails page")
                                                             : QStringLiteral("full size image pages");
    mSelect = pictureButton(this, QStringLiteral("PBSELECT"), RightSArrow(),
                            QStringLiteral("Includes selected information to %1").arg(page));
    mDeselect = pictureButton(this, QStringLiteral("PBDESELECT"), LeftSArrow(),
                              QStringLiteral("Removes selected information from %1").arg(page));
    mUp = pictureButton(this, QStringLiteral("PBMOVEUP"), UpArrow(),
                        QStringLiteral("Move up selected information (write earlier)"));
    mDown = pictureButton(this, QStringLiteral("PBMOVEDOWN"), DownArrow(),
                          QStringLiteral("Move down selected information (write later)"));
    for (QListWidget *list : {mAvail, mSel})
        list->setMinimumHeight(70);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(fixedText(this, QStringLiteral("Available:"), QStringLiteral("FIXEDTEXT5")), 0, 0);
    grid->addWidget(fixedText(this, QStringLiteral("Selected:"), QStringLiteral("FIXEDTEXT6")), 0, 2);
    grid->addWidget(mAvail, 1, 0);
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(mSelect);
    moves->addWidget(mDeselect);
    moves->addStretch();
    grid->addLayout(moves, 1, 1);
    grid->addWidget(mSel, 1, 2);
    auto *order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(mUp);
    order->addWidget(mDown);
    order->addStretch();
    grid->addLayout(order, 1, 3);

    connect(mSelect, &QPushButton::clicked, this, &ImageVarsEditor::pbSelect);
    connect(mDeselect, &QPushButton::clicked, this, &ImageVarsEditor::pbDeselect);
    connect(mUp, &QPushButton::clicked, this, &ImageVarsEditor::pbMoveUp);
    connect(mDown, &QPushButton::clicked, this, &ImageVarsEditor::pbMoveDown);
}

void ImageVarsEditor::bind(Getter get, Setter set)
{
    mGet = std::move(get);
    mSet = std::move(set);
}

QList<QWidget *> ImageVarsEditor::controls() const
{
    return {mAvail, mSelect, mDeselect, mSel, mUp, mDown};
}

void ImageVarsEditor::updateLb()
{
    mSel->clear();
    if (!mGet)
        return;
    const std::vector<ImageVarEntry> vars = getVars();
    for (int code : mGet()) {
        for (const ImageVarEntry &item : vars) {
            if (item.code == code) {
                auto *line = new QListWidgetItem(item.label, mSel);
                line->setData(Qt::UserRole, code);
                break;
            }
        }
    }
    mSel->setCurrentRow(-1);
}

// Positions of the chosen list are positions in the setting (1-based in the messages' sense).
void ImageVarsEditor::store(const QList<int> &codes, int select)
{
    mSet(codes);
    updateLb();
    if (select >= 1)
        mSel->setCurrentRow(select - 1);
}

void ImageVarsEditor::pbSelect()
{
    QListWidgetItem *item = mAvail->currentItem();
    if (!item || !mAvail->currentItem()->isSelected()) {
        infoMessage(this, QStringLiteral("Select an information to include"));
        return;
    }
    if (!mGet)
        return;
    QList<int> codes = mGet();
    const int code = item->data(Qt::UserRole).toInt();
    if (!codes.contains(code)) {
        codes.append(code);
        store(codes, 0);
    }
}

void ImageVarsEditor::pbDeselect()
{
    const int n = mSel->currentRow() + 1;
    if (n < 1) {
        infoMessage(this, QStringLiteral("Select an information to remove"));
        return;
    }
    QList<int> codes = mGet();
    if (n <= codes.size())
        codes.removeAt(n - 1);
    store(codes, n - 1);
}

void ImageVarsEditor::pbMoveUp()
{
    const int n = mSel->currentRow() + 1;
    if (n < 1) {
        infoMessage(this, QStringLiteral("Select an information to move up"));
        return;
    }
    QList<int> codes = mGet();
    if (n > 1 && n <= codes.size()) {
        codes.swapItemsAt(n - 2, n - 1);
        store(codes, n - 1);
    }
}

void ImageVarsEditor::pbMoveDown()
{
    const int n = mSel->currentRow() + 1;
    if (n < 1) {
        infoMessage(this, QStringLiteral("Select an information to move down"));
        return;
    }
    QList<int> codes = mGet();
    if (n < codes.size()) {
        codes.swapItemsAt(n - 1, n);
        store(codes, n + 1);
    }
}

} // namespace gb
