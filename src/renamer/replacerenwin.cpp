#include "renamer/replacerenwin.h"

#include "common/dialogunits.h"
#include "common/messages.h"
#include "renamer/renamecommand.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace gb {

namespace {

const int kReplaceHeight = 222;

} // namespace

ReplaceRenWin::ReplaceRenWin(QWidget *owner, const ValueArray &oldData)
    : DeleteRenWin(owner,
                   Texts{QStringLiteral("Replace Characters"), QStringLiteral("Replace"),
                         QStringLiteral("Replace Some Characters"), QStringLiteral("Replace a String Pattern"),
                         QStringLiteral("Pattern to Replace:"),
                         QStringLiteral("Please define no of characters to replace, or select 'Till the end' option"),
                         QStringLiteral("Please define a pattern to replace")},
                   kReplaceHeight)
{
    const DialogUnits du(font());
    mWith = std::make_unique<RenameWithGroup>(this, du, QStringLiteral("Replace with"), 7, 149);
    addOkCancel(du, kWidth, kReplaceHeight - 22);
    connect(mWith->buttons(), &QButtonGroup::buttonClicked, this, [this] { adjustControls(); });

    presetDelete(oldData);
    if (oldData.empty()) {
        mWith->preset(2, QString(), 1, 4);
    } else {
        const ReplaceRenameParams p = ReplaceRenameParams::fromData(oldData);
        mWith->preset(p.with, p.text, p.numberStart, p.numberLength);
    }
    adjustControls();
}

ReplaceRenWin::~ReplaceRenWin() = default;

void ReplaceRenWin::adjustControls()
{
    DeleteRenWin::adjustControls();
    if (mWith)
        mWith->adjustControls();
}

std::optional<ValueArray> ReplaceRenWin::collect()
{
    const bool deleteOk = checkDelete();
    bool textOk = true;
    if (mWith->standardText() && mWith->trimmedText().isEmpty()) {
        errorMsg(this, QStringLiteral("Please define a standard text to replace with"));
        textOk = false;
    }
    if (!deleteOk || !textOk)
        return std::nullopt;
    ValueArray data = deleteSlots();
    data.insert(data.end(), {Value(mWith->standardText() ? 1 : 2), Value(mWith->trimmedText()),
                             Value(mWith->numberStart()), Value(mWith->numberLength())});
    return data;
}

} // namespace gb
