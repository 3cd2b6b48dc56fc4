#include "batch/commandscriptwin.h"

#include "batch/batchaction.h"
#include "batch/be.h"
#include "batch/commandinfo.h"
#include "batch/getcommanddetails.h"
#include "common/appdirs.h"
#include "common/dialogunits.h"
#include "common/filedialogs.h"
#include "common/messages.h"
#include "image/boxshrink.h"
#include "image/imageload.h"
#include "image/rgbutils.h"
#include "image/previewft.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace gb {

namespace {

// An entry of a command list: the name shown, the action id carried.
QListWidgetItem *commandItem(const QString &name, int id)
{
    auto *item = new QListWidgetItem(name);
    item->setData(Qt::UserRole, id);
    return item;
}

} // namespace

CommandScriptWin::CommandScriptWin(QWidget *owner, int controlId, ScriptBinding binding, const QString &heading)
    : WizardPageWin(owner, controlId, 378, heading.isEmpty() ? 187 : 199)
    , mBinding(std::move(binding))
    , mTop(heading.isEmpty() ? 0 : 12)
{
    // A heading shifts the whole layout down by its own height.
    const ControlPlacer place(this, units(), QPoint(0, mTop));
    if (!heading.isEmpty())
        place.label(heading, {6, -10, 366, 9}, QStringLiteral("FIXEDTEXT1"));

    mAvailCommandsLb = new QListWidget(this);
    mAvailCommandsLb->setSortingEnabled(true);
    place.put(mAvailCommandsLb, {5, 17, 150, 70}, QStringLiteral("AVAILCOMMANDSLB"));
    place.framedGroup(QStringLiteral("Preview Script"), {5, 109, 150, 75});
    QPushButton *add = place.button(QStringLiteral("PBADDCOMMAND"), QStringLiteral(">>   Add Command to Script   >>"),
                                    {6, 91, 149, 12});
    mCommandsLb = new QListWidget(this);
    place.put(mCommandsLb, {168, 17, 150, 88}, QStringLiteral("COMMANDSLB"));
    place.label(QStringLiteral("Available Commands:"), {6, 3, 94, 12});
    place.label(QStringLiteral("Script Commands:"), {168, 3, 94, 12});
    place.label(QStringLiteral("Selected Command Details:"), {168, 110, 94, 12});
    QPushButton *edit = place.button(QStringLiteral("PBEDIT"), QStringLiteral("Edit"), {327, 17, 44, 12});
    QPushButton *remove = place.button(QStringLiteral("PBREMOVE"), QStringLiteral("Remove"), {327, 36, 44, 12});
    QPushButton *up = place.button(QStringLiteral("PBMOVEUP"), QStringLiteral("Move Up"), {327, 56, 44, 12});
    QPushButton *down = place.button(QStringLiteral("PBMOVEDOWN"), QStringLiteral("Move Down"), {327, 75, 44, 12});
    QPushButton *test = place.button(QStringLiteral("PBTEST"), QStringLiteral("Test Script"), {327, 93, 44, 12});
    mDetails = new QTextEdit(this);
    mDetails->setReadOnly(true);
    mDetails->setAcceptRichText(false);
    mDetails->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place.put(mDetails, {168, 123, 204, 48}, QStringLiteral("DETAILS"));
    mPreviewFt = new PreviewFt(this);
    place.put(mPreviewFt, {9, 115, 68, 62}, QStringLiteral("PREVIEWFT"));
    framePane(mPreviewFt);
    QPushButton *sample = place.button(QStringLiteral("PBSAMPLE"), QStringLiteral("Sample Image"), {86, 124, 60, 12});
    QPushButton *original =
        place.button(QStringLiteral("PBORIGINAL"), QStringLiteral("Back to Original"), {86, 153, 60, 12});

    connect(add, &QPushButton::clicked, this, &CommandScriptWin::pbAddCommand);
    connect(edit, &QPushButton::clicked, this, &CommandScriptWin::pbEdit);
    connect(remove, &QPushButton::clicked, this, &CommandScriptWin::pbRemove);
    connect(up, &QPushButton::clicked, this, &CommandScriptWin::pbMoveUp);
    connect(down, &QPushButton::clicked, this, &CommandScriptWin::pbMoveDown);
    connect(test, &QPushButton::clicked, this, &CommandScriptWin::pbTest);
    connect(sample, &QPushButton::clicked, this, &CommandScriptWin::pbSample);
    connect(original, &QPushButton::clicked, this, &CommandScriptWin::pbOriginal);
    connect(mCommandsLb, &QListWidget::currentRowChanged, this, [this] { updateInfoWin(); });
    connect(mCommandsLb, &QListWidget::itemDoubleClicked, this, &CommandScriptWin::pbEdit);
    connect(mAvailCommandsLb, &QListWidget::itemDoubleClicked, this, &CommandScriptWin::pbAddCommand);

    for (const BatchAction &action : getActions())
        mAvailCommandsLb->addItem(commandItem(action.name, action.id));
    mAvailCommandsLb->setCurrentRow(-1);

    const QString defaultSample = supportDir() + QStringLiteral("sample.jpg");
    if (QFileInfo(defaultSample).isFile())
        setSampleFile(defaultSample);
}

CommandScriptWin::~CommandScriptWin()
{
    mPreviewFt->update(nullptr, 0, 0, QString());
}

QPushButton *CommandScriptWin::button(const char *name) const
{
    return findChild<QPushButton *>(QLatin1String(name));
}

void CommandScriptWin::connect2Source(WizardJob *job)
{
    mJob = job;
    mScript = mJob && mBinding.read ? commandsFromValue(Value(mBinding.read(mJob))) : std::vector<BatchCommand>();
    updateLb();
}

void CommandScriptWin::updateObject()
{
    if (mJob && mBinding.write)
        mBinding.write(mJob, commandsToValue(mScript).array());
}

void CommandScriptWin::updateLb()
{
    const QSignalBlocker block(mCommandsLb);
    mCommandsLb->clear();
    for (const BatchCommand &command : mScript)
        mCommandsLb->addItem(commandItem(command.description(), command.id()));
    mCommandsLb->setCurrentRow(-1);
}

void CommandScriptWin::updateInfoWin()
{
    const int n = mCommandsLb->currentRow();
    if (n >= 0 && n < int(mScript.size()))
        mDetails->setPlainText(getCommandInfo(mScript[size_t(n)]));
}

void CommandScriptWin::selectCommand(int row)
{
    {
        const QSignalBlocker block(mCommandsLb);
        mCommandsLb->setCurrentRow(row);
    }
    updateInfoWin();
}

void CommandScriptWin::pbAddCommand()
{
    const QListWidgetItem *item = mAvailCommandsLb->currentItem();
    const int id = item && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
    if (id <= 0) {
        warningMsg(this, QStringLiteral("Select a command to add to script"));
        return;
    }
    const std::optional<BatchCommand> command = BatchCommand::fromValue(getCommandDetails(this, id, nullptr));
    if (!command)
        return;
    mScript.push_back(*command);
    {
        const QSignalBlocker block(mCommandsLb);
        const int selected = mCommandsLb->currentRow();
        mCommandsLb->addItem(commandItem(command->description(), command->id()));
        mCommandsLb->setCurrentRow(selected);
    }
    updateInfoWin();
}

void CommandScriptWin::pbEdit()
{
    const int n = mCommandsLb->currentRow();
    if (n < 0 || n >= int(mScript.size())) {
        infoMessage(this, QStringLiteral("Select a command to edit"));
        return;
    }
    const ValueArray &record = mScript[size_t(n)].record();
    const Value old(ValueArray(record.begin() + std::min<size_t>(2, record.size()), record.end()));
    const std::optional<BatchCommand> command = BatchCommand::fromValue(getCommandDetails(this, mScript[size_t(n)].id(), &old));
    if (!command)
        return;
    mScript[size_t(n)] = *command;
    mCommandsLb->item(n)->setText(command->description());
    mCommandsLb->item(n)->setData(Qt::UserRole, command->id());
    selectCommand(n);
}

void CommandScriptWin::pbRemove()
{
    const int n = mCommandsLb->currentRow();
    if (n < 0 || n >= int(mScript.size())) {
        infoMessage(this, QStringLiteral("Select a command to remove"));
        return;
    }
    if (!confirmDelete(this, QStringLiteral("Selected command will be removed from the script")))
        return;
    mScript.erase(mScript.begin() + n);
    updateLb();
    selectCommand(std::min(n, int(mScript.size()) - 1));
}

void CommandScriptWin::pbMoveUp() { moveCommand(-1, QStringLiteral("Select a command to move up")); }
void CommandScriptWin::pbMoveDown() { moveCommand(1, QStringLiteral("Select a command to move down")); }

void CommandScriptWin::moveCommand(int step, const QString &noneSelected)
{
    const int n = mCommandsLb->currentRow();
    if (n < 0 || n >= int(mScript.size())) {
        infoMessage(this, noneSelected);
        return;
    }
    const int to = n + step;
    if (to < 0 || to >= int(mScript.size()))
        return;
    std::swap(mScript[size_t(n)], mScript[size_t(to)]);
    updateLb();
    selectCommand(to);
}

bool CommandScriptWin::setSampleFile(const QString &path)
{
    mSampleFile = path;
    int width = 0, height = 0;
    QString error;
    mSample = createRgbFromFile(path, width, height, error);
    if (mSample.isNull())
        return false;
    previewSample();
    return true;
}

void CommandScriptWin::pbSample()
{
    const QString path = openImageDialog(this, QStringLiteral("Selece an image to be used as sample"));
    if (path.isEmpty())
        return;
    setSampleFile(path);
}

void CommandScriptWin::pbOriginal()
{
    if (mSampleFile.isEmpty()) {
        mSample = RgbImage();
        return;
    }
    setSampleFile(mSampleFile);
}

void CommandScriptWin::pbTest()
{
    scriptTested();
    if (mSample.isNull())
        return;
    Be trial(this);
    trial.setCommands(mScript);
    mSample = trial.testProcess(std::move(mSample));
    previewSample();
}

void CommandScriptWin::previewSample()
{
    // A sample far larger than the pane is first shrunk by whole blocks to at least twice
    // the pane's size, so that Test Script shows its result in about the time of a reduced
    // decode, then averaged exactly into the pane.
    if (!mSample.isNull()) {
        int newW = 0, newH = 0;
        calcNewDims(mSample.width(), mSample.height(), std::max(1, mPreviewFt->width() - 2),
                    std::max(1, mPreviewFt->height() - 2), newW, newH);
        const int factor = std::min(mSample.width() / std::max(1, newW), mSample.height() / std::max(1, newH)) / 2;
        if (factor >= 2) {
            previewImage(mPreviewFt, &mPreview, boxShrink(mSample, factor));
            return;
        }
    }
    previewImage(mPreviewFt, &mPreview, mSample);
}

} // namespace gb
