#include "common/settingswin.h"

#include "common/dialogunits.h"
#include "common/imagsysserver.h"
#include "common/messages.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace gb {

SettingsWin::SettingsWin(QWidget *owner, const QString &kind)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , mKind(kind)
{
    setWindowTitle(QStringLiteral("Dialog Caption"));
    const DialogUnits du = DialogUnits::setUp(this, 189, 132);
    mSettings = new QListWidget(this);
    mSettings->setObjectName(QStringLiteral("SETTINGS"));
    mSettings->setGeometry(du.rect(4, 3, 120, 126));
    mSettings->setSelectionMode(QAbstractItemView::SingleSelection);
    mSettings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto button = [&](const char *name, const QString &text, int y) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(du.rect(132, y, 53, 12));
        b->setAutoDefault(false);
        return b;
    };
    mLoad = button("PBLOAD", QStringLiteral("Load"), 14);
    mCancel = button("PBCANCEL", QStringLiteral("Cancel"), 39);
    mRemove = button("PBREMOVE", QStringLiteral("Remove"), 108);
    connect(mLoad, &QPushButton::clicked, this, &SettingsWin::pbLoad);
    connect(mCancel, &QPushButton::clicked, this, &SettingsWin::pbCancel);
    connect(mRemove, &QPushButton::clicked, this, &SettingsWin::pbRemove);
    makeEnterButton(mLoad);
    if (owner)
        move(owner->mapToGlobal(QPoint(du.x(132), du.y(46))));
    fillList();
    // The list opens with its first entry chosen, so Enter or Load loads it at once; the
    // list's focus frame alone would only look chosen.
    if (mSettings->count() > 0)
        mSettings->setCurrentRow(0);
}

void SettingsWin::fillList()
{
    DescKeyPairs pairs = goSysServer().getAllDescOfCategory(ImagSysServer::categoryOfKind(mKind));
    // The list shows descriptions alphabetically, whatever order the database gives.
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto &a, const auto &b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    mSettings->clear();
    for (const auto &[description, key] : pairs) {
        auto *item = new QListWidgetItem(description, mSettings);
        item->setData(Qt::UserRole, key);
    }
    mSettings->setCurrentRow(-1);
}

void SettingsWin::pbLoad()
{
    const QListWidgetItem *item = mSettings->currentItem();
    if (!item || !item->isSelected()) {
        errorMsg(this, QStringLiteral("Select settings to load"));
        return;
    }
    mKey = item->data(Qt::UserRole).toString();
    done(1);
}

void SettingsWin::pbCancel()
{
    done(-1);
}

void SettingsWin::pbRemove()
{
    const QListWidgetItem *item = mSettings->currentItem();
    if (!item || !item->isSelected()) {
        errorMsg(this, QStringLiteral("Select settings to remove"));
        return;
    }
    goSysServer().removeRecord(item->data(Qt::UserRole).toString());
    fillList();
}

ValueArray loadSettings(QWidget *owner, const QString &kind, QString &key)
{
    SettingsWin win(owner, kind);
    win.setWindowTitle(QStringLiteral("Saved Settings"));
    if (win.exec() != 1)
        return {};
    key = win.key();
    return goSysServer().getInfo(key);
}

} // namespace gb
