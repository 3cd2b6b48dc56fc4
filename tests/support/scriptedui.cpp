#include "support/scriptedui.h"

namespace gbtest {

namespace {
template <typename T> T takeFront(std::deque<T> &q, T fallback)
{
    if (q.empty())
        return fallback;
    T v = q.front();
    q.pop_front();
    return v;
}
} // namespace

ScriptedUi::ScriptedUi()
{
    gb::setUi(this);
}

ScriptedUi::~ScriptedUi()
{
    gb::setUi(nullptr);
}

void ScriptedUi::errorBox(QWidget *, const QString &text)
{
    boxes.push_back({QStringLiteral("Error"), text, IconStop});
}

int ScriptedUi::textBox(QWidget *, const QString &caption, const QString &text, unsigned type)
{
    boxes.push_back({caption, text, type});
    const int fallback = (type & 0x0f) == YesNo ? ResultNo : ResultOk;
    return takeFront(boxAnswers, fallback);
}

QStringList ScriptedUi::openFileNames(QWidget *, const QString &caption, const QString &folder,
                                      const QStringList &filters, int *, bool)
{
    dialogs.push_back({QStringLiteral("open"), caption, folder, filters});
    return takeFront(openAnswers, QStringList());
}

QString ScriptedUi::saveFileName(QWidget *, const QString &caption, const QString &initialPath,
                                 const QStringList &filters, int *filterIndex)
{
    dialogs.push_back({QStringLiteral("save"), caption, initialPath, filters, filterIndex ? *filterIndex : -1});
    return takeFront(saveAnswers, QString());
}

QString ScriptedUi::folderName(QWidget *, const QString &caption, const QString &startFolder)
{
    dialogs.push_back({QStringLiteral("folder"), caption, startFolder, {}});
    return takeFront(folderAnswers, QString());
}

std::optional<uint32_t> ScriptedUi::colorChoice(QWidget *, uint32_t initial)
{
    dialogs.push_back({QStringLiteral("color"), QString(), QString::number(initial), {}});
    return takeFront(colorAnswers, std::optional<uint32_t>());
}

void ScriptedUi::openUrl(QWidget *owner, const QString &address, std::function<void(QWidget *)> failed)
{
    urls << address;
    if (!urlOpens && failed)
        failed(owner);
}

void ScriptedUi::pleaseWaitShow(QWidget *, const QString &text)
{
    pleaseWaitTexts << text;
    pleaseWaitOpen = true;
    pleaseWaitAbortable = false;
}

void ScriptedUi::pleaseWaitWithAbort(QWidget *owner, const QString &text)
{
    pleaseWaitShow(owner, text);
    pleaseWaitAbortable = true;
}

void ScriptedUi::pleaseWaitText(const QString &text)
{
    pleaseWaitTexts << text;
}

void ScriptedUi::pleaseWaitClose()
{
    pleaseWaitOpen = false;
}

void ScriptedUi::reportErrors(QWidget *, const QStringList &errors)
{
    errorLogs.push_back(errors);
}

QStringList ScriptedUi::boxTexts() const
{
    QStringList out;
    for (const Box &b : boxes)
        out << b.text;
    return out;
}

} // namespace gbtest
