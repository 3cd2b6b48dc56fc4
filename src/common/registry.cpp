#include "common/registry.h"

#include "common/appdirs.h"
#include "common/uiseam.h"

#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <memory>

namespace gb {

namespace {

const RegIntDefault kDefaults[] = {
    {"Print Options", "Starting Row", 20},
    {"Print Options", "Starting Col", 10},
    {"Print Options", "Image Width", 200},
    {"Print Options", "Image Height", 200},
    {"Print Options", "Horizontal Spacing", 10},
    {"Print Options", "Vertical Spacing", 10},
    {"Print Options", "Images Per Column", 3},
    {"Print Options", "Orientation", 1},
    {"Print Options", "SI Starting Row", 40},
    {"Print Options", "SI Starting Col", 10},
    {"Print Options", "SI Print Type", 2},
    {"Print Options", "Left Margin", 10},
    {"Print Options", "Right Margin", 10},
    {"Print Options", "Top Margin", 20},
    {"Print Options", "Bottom Margin", 25},
    {"View Options", "ShowDetails", 1},
    {"View Options", "SelectedSize", 2},
    {"View Options", "HorSpacing", 10},
    {"View Options", "VerSpacing", 15},
    {"View Options", "CustomWidth", 125},
    {"View Options", "CustomHeight", 125},
    {"View Options", "OriginX", 0},
    {"View Options", "OriginY", 0},
    {"View Options", "Width", 500},
    {"View Options", "Height", 400},
    {"General Options", "Load", 1},
    {"General Options", "Folders", 1},
};

constexpr int kMaxText = 199;

// The system's text for why the file cannot be used, or an empty text when it can.
QString fileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists()) {
        if (!info.isFile())
            return QString::fromLocal8Bit(std::strerror(EISDIR));
        if (!info.isReadable())
            return QString::fromLocal8Bit(std::strerror(EACCES));
        return {};
    }
    const QFileInfo dir(info.absolutePath());
    if (!dir.exists())
        return QString::fromLocal8Bit(std::strerror(ENOENT));
    if (!dir.isDir())
        return QString::fromLocal8Bit(std::strerror(ENOTDIR));
    if (!dir.isWritable())
        return QString::fromLocal8Bit(std::strerror(EACCES));
    return {};
}

// The open "key": a settings object positioned in the section's group, or null after the
// main-key box was shown.
std::unique_ptr<QSettings> openKey(const QString &section)
{
    const QString path = registryFilePath();
    const QString problem = fileProblem(path);
    if (!problem.isEmpty()) {
        ui().textBox(nullptr, QStringLiteral("Error creating - opening registry main key"), problem,
                     UiSeam::IconInformation);
        return nullptr;
    }
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (settings->status() == QSettings::AccessError) {
        ui().textBox(nullptr, QStringLiteral("Error creating - opening registry main key"),
                     QString::fromLocal8Bit(std::strerror(EACCES)), UiSeam::IconInformation);
        return nullptr;
    }
    settings->beginGroup(section);
    return settings;
}

bool commit(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    const QString why = settings.status() == QSettings::AccessError
                            ? QString::fromLocal8Bit(std::strerror(EACCES))
                            : QStringLiteral("The registry file is damaged.");
    ui().textBox(nullptr, QStringLiteral("Error creating - opening registry key"), why, UiSeam::IconInformation);
    return false;
}

} // namespace

const RegIntDefault *regIntDefaults(int *count)
{
    if (count)
        *count = int(std::size(kDefaults));
    return kDefaults;
}

bool kvtCreateRegKey(const QString &section)
{
    return openKey(section) != nullptr;
}

QString kvtQueryRtRegString(const QString &section, const QString &name)
{
    auto key = openKey(section);
    if (!key)
        return {};
    const QVariant v = key->value(name);
    if (!v.isValid() || v.userType() != QMetaType::QString)
        return {};
    const QString text = v.toString();
    return text.size() > kMaxText ? QString() : text;
}

bool kvtSetRtRegString(const QString &section, const QString &name, const QString &text)
{
    auto key = openKey(section);
    if (!key)
        return false;
    key->setValue(name, text);
    return commit(*key);
}

int32_t kvtQueryRtRegInt(const QString &section, const QString &name)
{
    auto key = openKey(section);
    if (!key)
        return 0;
    bool ok = false;
    const qlonglong v = key->value(name).toString().trimmed().toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return 0;
    return int32_t(v);
}

bool kvtSetRtRegInt(const QString &section, const QString &name, int32_t value)
{
    auto key = openKey(section);
    if (!key)
        return false;
    key->setValue(name, QString::number(value));
    return commit(*key);
}

int32_t getIntFromReg(const QString &section, const QString &name)
{
    if (section.isEmpty() || name.isEmpty()) {
        int32_t last = 0;
        for (const RegIntDefault &row : kDefaults) {
            last = kvtQueryRtRegInt(row.section, row.name);
            if (last == 0)
                kvtSetRtRegInt(row.section, row.name, row.value);
        }
        return last;
    }
    for (const RegIntDefault &row : kDefaults) {
        if (section == QLatin1String(row.section) && name == QLatin1String(row.name)) {
            int32_t v = kvtQueryRtRegInt(section, name);
            if (v == 0) {
                kvtSetRtRegInt(section, name, row.value);
                v = kvtQueryRtRegInt(section, name);
            }
            return v;
        }
    }
    ui().errorBox(nullptr, QStringLiteral("Quering: ") + section + QStringLiteral(" - ") + name);
    return 0;
}

} // namespace gb
