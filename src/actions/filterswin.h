#pragma once

#include "actions/paramdialog.h"

class QListWidget;

namespace gb {

// The stored user filters of one kind, by description in alphabetical order: matrix
// filters ("Available Filters ...") or convolution filters ("Available Convolution Filters
// ..."). New, Edit and Delete change the settings database at once (and stay changed
// whatever way the dialog ends); Apply ends with 1 and hands back the selected filter's
// key. Apply, Edit and Delete without a selection say "Select a filter".
class FiltersWin : public ParamDialog
{
    Q_OBJECT
public:
    FiltersWin(QWidget *owner, bool matrix = true);

    // The key of the filter chosen with Apply.
    QString filterKey() const { return mKey; }
    QListWidget *filters() const { return mFilters; }

protected:
    bool applyValues() override;

private:
    void refreshList();
    QString selectedKey() const;
    void pbAdd();
    void pbEdit();
    void pbDelete();

    QListWidget *mFilters;
    bool mMatrix;
    QString mKey;
};

} // namespace gb
