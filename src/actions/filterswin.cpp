#include "actions/filterswin.h"

#include "actions/addfilterwin.h"
#include "common/imagsysserver.h"
#include "common/sortedlist.h"

#include <QListWidget>
#include <QPushButton>

#include <optional>

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
        addSortedRow(mFilters, description)->setData(Qt::UserRole, key);
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

namespace {

// What a filter editor gave when Apply accepted it.
struct EditedFilter
{
    QString description;
    ValueArray values;
};

// Runs one filter editor under its caption, preset from stored (nil for a new filter).
template <class Editor>
std::optional<EditedFilter> runEditor(QWidget *owner, const QString &caption, const Value &stored)
{
    Editor editor(owner, stored);
    editor.setWindowTitle(caption);
    if (editor.exec() != 1)
        return std::nullopt;
    return EditedFilter{editor.description(), editor.results().toValue().array()};
}

// The editor of the list's kind: the 3 x 3 matrix or the convolution filter editor.
std::optional<EditedFilter> editFilter(QWidget *owner, bool matrix, const QString &matrixCaption,
                                       const QString &convCaption, const Value &stored)
{
    return matrix ? runEditor<AddFilterWin>(owner, matrixCaption, stored)
                  : runEditor<AddFilterWin_1>(owner, convCaption, stored);
}

} // namespace

void FiltersWin::pbAdd()
{
    const std::optional<EditedFilter> filter = editFilter(this, mMatrix, QStringLiteral("Add new filter"),
                                                          QStringLiteral("Add new convolutional filter"), Value());
    if (!filter)
        return;
    ImagSysServer &db = goSysServer();
    QString key;
    if (mMatrix)
        db.appendNewFilter(filter->description, filter->values, key);
    else
        db.appendNewCFilter(filter->description, filter->values, key);
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
    const std::optional<EditedFilter> filter = editFilter(this, mMatrix, QStringLiteral("Edit filter"),
                                                          QStringLiteral("Edit Convolutional Filter"), stored);
    if (!filter)
        return;
    db.updateDataAndDesc(key, filter->description, filter->values);
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
