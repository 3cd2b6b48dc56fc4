#include "actions/filterswin.h"

#include "actions/addfilterwin.h"
#include "common/imagsysserver.h"

#include <QListWidget>
#include <QPushButton>

namespace gb {

FiltersWin::FiltersWin(QWidget *owner, bool matrix)
    : ParamDialog(owner, QStringLiteral("FiltersWin"), QStringLiteral("Available Filters ..."), 188, 116),
      mMatrix(matrix)
{
    mFilters = new QListWidget(this);
    mFilters->setObjectName(QStringLiteral("FILTERS"));
    mFilters->setGeometry(du().rect(6, 6, 112, 102));
    mFilters->setSortingEnabled(true);
    applyCancel(QStringLiteral("PBAPPLY"), {127, 6, 53, 12}, {127, 25, 53, 12});
    connect(button(QStringLiteral("PBADD"), QStringLiteral("New"), {127, 59, 53, 12}), &QPushButton::clicked, this,
            &FiltersWin::pbAdd);
    connect(button(QStringLiteral("PBEDIT"), QStringLiteral("Edit"), {127, 78, 53, 12}), &QPushButton::clicked, this,
            &FiltersWin::pbEdit);
    connect(button(QStringLiteral("PBDELETE"), QStringLiteral("Delete"), {127, 96, 53, 12}), &QPushButton::clicked,
            this, &FiltersWin::pbDelete);

    if (!mMatrix)
        setWindowTitle(QStringLiteral("Available Convolution Filters ..."));
    refreshList();
    // Focus on the list would show its first entry as if it were chosen.
    findChild<QPushButton *>(QStringLiteral("PBAPPLY"))->setFocus();
}

void FiltersWin::refreshList()
{
    mFilters->clear();
    ImagSysServer &db = goSysServer();
    for (const auto &[description, key] : mMatrix ? db.getAllFilterDesc() : db.getAllCFilterDesc()) {
        auto *item = new QListWidgetItem(description, mFilters);
        item->setData(Qt::UserRole, key);
    }
    mFilters->setCurrentItem(nullptr);
    mFilters->clearSelection();
}

QString FiltersWin::selectedKey() const
{
    const QList<QListWidgetItem *> selected = mFilters->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(Qt::UserRole).toString();
}

bool FiltersWin::applyValues()
{
    const QString key = selectedKey();
    if (key.isEmpty()) {
        refuse(QStringLiteral("Select a filter"));
        return false;
    }
    mKey = key;
    return true;
}

void FiltersWin::pbAdd()
{
    ImagSysServer &db = goSysServer();
    QString key;
    if (mMatrix) {
        AddFilterWin editor(this);
        editor.setWindowTitle(QStringLiteral("Add new filter"));
        if (editor.exec() != 1)
            return;
        db.appendNewFilter(editor.description(), editor.results().toValue().array(), key);
    } else {
        AddFilterWin_1 editor(this);
        editor.setWindowTitle(QStringLiteral("Add new convolutional filter"));
        if (editor.exec() != 1)
            return;
        db.appendNewCFilter(editor.description(), editor.results().toValue().array(), key);
    }
    refreshList();
}

void FiltersWin::pbEdit()
{
    const QString key = selectedKey();
    if (key.isEmpty()) {
        refuse(QStringLiteral("Select a filter"));
        return;
    }
    ImagSysServer &db = goSysServer();
    const Value stored(ValueArray{db.getDesc(key), Value(db.getInfo(key))});
    if (mMatrix) {
        AddFilterWin editor(this, stored);
        editor.setWindowTitle(QStringLiteral("Edit filter"));
        if (editor.exec() != 1)
            return;
        db.updateDataAndDesc(key, editor.description(), editor.results().toValue().array());
    } else {
        AddFilterWin_1 editor(this, stored);
        editor.setWindowTitle(QStringLiteral("Edit Convolutional Filter"));
        if (editor.exec() != 1)
            return;
        db.updateDataAndDesc(key, editor.description(), editor.results().toValue().array());
    }
    refreshList();
}

void FiltersWin::pbDelete()
{
    const QString key = selectedKey();
    if (key.isEmpty()) {
        refuse(QStringLiteral("Select a filter"));
        return;
    }
    goSysServer().removeRecord(key);
    refreshList();
}

} // namespace gb
