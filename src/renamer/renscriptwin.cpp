#include "renamer/renscriptwin.h"

#include "common/dialogunits.h"
#include "common/messages.h"
#include "common/sharedhelpers.h"
#include "renamer/renamecommand.h"
#include "renamer/renamedialogs.h"
#include "renamer/renamer.h"
#include "renamer/renamerjob.h"
#include "renamer/saferename.h"
#include "batch/wizardwin.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gb {

RenScriptWin::RenScriptWin(QWidget *owner, int controlId)
    : WizardPageWin(owner, controlId, 380, 188)
{
    const DialogUnits &du = units();
    mAvailCommandsLb = new QListWidget(this);
    mAvailCommandsLb->setGeometry(du.rect(5, 13, 98, 54));
    mAvailCommandsLb->setSortingEnabled(true);
    auto *preview = new QGroupBox(QStringLiteral("Preview Script Results"), this);
    preview->setGeometry(du.rect(5, 72, 371, 114));
    mPbAddCommand = new QPushButton(QStringLiteral(">>   Add Command to Script   >>"), this);
    mPbAddCommand->setGeometry(du.rect(107, 34, 120, 14));
    mCommandsLb = new QListWidget(this);
    mCommandsLb->setGeometry(du.rect(231, 13, 104, 54));
    auto *available = new QLabel(QStringLiteral("Available Script Commands:"), this);
    available->setGeometry(du.rect(5, 3, 120, 9));
    auto *selected = new QLabel(QStringLiteral("Selected Script Commands:"), this);
    selected->setGeometry(du.rect(231, 3, 120, 9));
    mPbEdit = new QPushButton(QStringLiteral("Edit"), this);
    mPbEdit->setGeometry(du.rect(339, 13, 38, 12));
    mPbRemove = new QPushButton(QStringLiteral("Remove"), this);
    mPbRemove->setGeometry(du.rect(339, 27, 38, 12));
    mPbMoveUp = new QPushButton(QStringLiteral("Move Up"), this);
    mPbMoveUp->setGeometry(du.rect(339, 41, 38, 12));
    mPbMoveDown = new QPushButton(QStringLiteral("Move Down"), this);
    mPbMoveDown->setGeometry(du.rect(339, 55, 38, 12));
    mPreviewLb = new QListWidget(this);
    mPreviewLb->setGeometry(du.rect(11, 84, 359, 96));
    mPreviewLb->setUniformItemSizes(true);
    mPreviewLb->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // The list sorts by text; each row keeps its kind as its value.
    for (int kind = RenameInsert; kind <= RenameCasing; ++kind) {
        auto *item = new QListWidgetItem(renameKindName(kind));
        item->setData(Qt::UserRole, kind);
        mAvailCommandsLb->addItem(item);
    }

    connect(mPbAddCommand, &QPushButton::clicked, this, &RenScriptWin::pbAddCommand);
    connect(mPbEdit, &QPushButton::clicked, this, &RenScriptWin::pbEdit);
    connect(mPbRemove, &QPushButton::clicked, this, &RenScriptWin::pbRemove);
    connect(mPbMoveUp, &QPushButton::clicked, this, &RenScriptWin::pbMoveUp);
    connect(mPbMoveDown, &QPushButton::clicked, this, &RenScriptWin::pbMoveDown);
}

void RenScriptWin::connect2Source(WizardJob *wizardJob)
{
    auto *bound = wizardJobCast<RenamerJob>(wizardJob);
    mScript = bound ? &bound->renamer().data() : &mOwnScript;
    updateLb();
    previewScript();
}

void RenScriptWin::updateLb()
{
    mCommandsLb->clear();
    for (const Value &command : *mScript) {
        const int kind = renameCommandKind(command);
        auto *item = new QListWidgetItem(renameKindName(kind));
        item->setData(Qt::UserRole, kind);
        mCommandsLb->addItem(item);
    }
}

void RenScriptWin::previewScript()
{
    mPreviewLb->clear();
    const auto *frame = qobject_cast<const WizardWin *>(parentWidget());
    const WizardPageWin *source = frame ? frame->page(1) : nullptr;
    const QStringList files = source ? source->selectedFiles() : QStringList();
    if (files.isEmpty())
        return;
    const QStringList renamed = Renamer(*mScript).rename(files);
    QStringList rows;
    rows.reserve(files.size());
    // A name that Do It will refuse before asking the file system says so on its row.
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString row = files[i] + QStringLiteral("  --> ") + renamed.value(i);
        const QString problem = newNameProblem(files[i], renamed.value(i));
        if (!problem.isEmpty())
            row += QStringLiteral("   [refused: ") + problem + QLatin1Char(']');
        rows.append(row);
    }
    mPreviewLb->addItems(rows);
}

int RenScriptWin::selectedCommand() const
{
    const QList<QListWidgetItem *> chosen = mCommandsLb->selectedItems();
    return chosen.isEmpty() ? 0 : mCommandsLb->row(chosen.first()) + 1;
}

void RenScriptWin::selectCommand(int n)
{
    mCommandsLb->clearSelection();
    if (n >= 1 && n <= mCommandsLb->count())
        mCommandsLb->setCurrentRow(n - 1);
}

void RenScriptWin::pbAddCommand()
{
    const QList<QListWidgetItem *> chosen = mAvailCommandsLb->selectedItems();
    const int kind = chosen.isEmpty() ? 0 : chosen.first()->data(Qt::UserRole).toInt();
    if (kind <= 0) {
        warningMsg(this, QStringLiteral("Select a command to add to script"));
        return;
    }
    const std::optional<ValueArray> data = editRenameCommand(this, kind);
    if (!data)
        return;
    mScript->push_back(makeRenameCommand(kind, *data));
    auto *item = new QListWidgetItem(renameKindName(kind));
    item->setData(Qt::UserRole, kind);
    mCommandsLb->addItem(item);
    previewScript();
}

void RenScriptWin::pbEdit()
{
    const int n = selectedCommand();
    if (n == 0) {
        infoMessage(this, QStringLiteral("Select a command to edit"));
        return;
    }
    const int kind = renameCommandKind((*mScript)[size_t(n - 1)]);
    const std::optional<ValueArray> data = editRenameCommand(this, kind, renameCommandData((*mScript)[size_t(n - 1)]));
    if (!data)
        return;
    (*mScript)[size_t(n - 1)] = makeRenameCommand(kind, *data);
    previewScript();
}

void RenScriptWin::pbRemove()
{
    const int n = selectedCommand();
    if (n == 0) {
        infoMessage(this, QStringLiteral("Select a command to remove"));
        return;
    }
    if (!confirmDelete(this, QStringLiteral("Selected command will be removed from the script")))
        return;
    mScript->erase(mScript->begin() + (n - 1));
    updateLb();
    selectCommand(std::min(n, int(mScript->size())));
    previewScript();
}

void RenScriptWin::pbMoveUp()
{
    const int n = selectedCommand();
    if (n == 0) {
        infoMessage(this, QStringLiteral("Select a script command to move up"));
        return;
    }
    if (n <= 1)
        return;
    swapArrayElements(*mScript, n - 1, n);
    updateLb();
    selectCommand(n - 1);
    previewScript();
}

void RenScriptWin::pbMoveDown()
{
    const int n = selectedCommand();
    if (n == 0) {
        infoMessage(this, QStringLiteral("Select a script command to move down"));
        return;
    }
    if (n >= int(mScript->size()))
        return;
    swapArrayElements(*mScript, n, n + 1);
    updateLb();
    selectCommand(n + 1);
    previewScript();
}

} // namespace gb
