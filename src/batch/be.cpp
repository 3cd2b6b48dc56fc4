#include "batch/be.h"

#include "batch/filenaming.h"
#include "common/filepaths.h"
#include "common/messages.h"
#include "common/settingrange.h"

namespace gb {

namespace {

enum Slot {
    SlotFinalFormat = 1,
    SlotFinalFolder,
    SlotFinalFormatRo,
    SlotNaming,
    SlotStdSuffix,
    SlotStdPrefix,
    SlotStdName,
    SlotJpgQuality,
    SlotJpgProg,
    SlotOverwrite,
    SlotEnumStart,
    SlotEnumLength,
    SlotCommands,
    SlotShowThumbs,
};

const ValueArray &defaults()
{
    static const ValueArray d = {3, "", 3, 1, "img", "img", "", 100, true, 3, 1, 4, Value(ValueArray()), false};
    return d;
}

// The number slots and the ranges their page offers them in. The output format list also
// offers the source's own format (0).
const RangedSlot kNumberSlots[] = {
    {SlotFinalFormat, {0, 9, SettingRange::Choice}, QStringLiteral("Final images format")},
    {SlotFinalFormatRo, kImageTypeRange, QStringLiteral("Read only formats images - save as")},
    {SlotNaming, kFileNamingRange, QStringLiteral("Final images names")},
    {SlotJpgQuality, kJpgQualityRange, QStringLiteral("JPG quality")},
    {SlotOverwrite, kOverwriteRange, QStringLiteral("Overwrite option")},
    {SlotEnumStart, kEnumStartRange, QStringLiteral("Enumeration for image names start")},
    {SlotEnumLength, kEnumLengthRange, QStringLiteral("Standard length for enumeration")},
};

// The lower-case extension written for an image type code 1..9, "" for any other code.
QString extensionOf(int code)
{
    static const char *const ext[] = {"bmp", "gif", "jpg", "png", "pcx", "tif", "wmf", "emf", "tga"};
    return code >= 1 && code <= 9 ? QString::fromLatin1(ext[code - 1]) : QString();
}

} // namespace

Be::Be(QWidget *owner) : mOwner(owner)
{
    initialize();
}

Be::Be(QWidget *owner, const Value &data) : mOwner(owner)
{
    setAData(data);
}

Be &Be::initialize()
{
    mData = defaults();
    mCommands.clear();
    return *this;
}

Value Be::aData() const
{
    ValueArray data = mData;
    data[SlotCommands - 1] = commandsToValue(mCommands);
    return Value(std::move(data));
}

void Be::setAData(const Value &data)
{
    initialize();
    const ValueArray &d = defaults();
    for (int i = 0; i < kSlotCount; ++i) {
        const Value &v = data.at(i);
        if (v.type() == d[size_t(i)].type())
            mData[size_t(i)] = v;
    }
    mCommands = commandsFromValue(data.at(SlotCommands - 1));
    mData[SlotCommands - 1] = Value(ValueArray());
}

int Be::finalFormat() const { return slot(SlotFinalFormat).toInt(); }
void Be::setFinalFormat(int code) { setSlot(SlotFinalFormat, code); }
QString Be::finalFolder() const { return slot(SlotFinalFolder).toString(); }
void Be::setFinalFolder(const QString &folder) { setSlot(SlotFinalFolder, folder); }
int Be::finalFormatRo() const { return slot(SlotFinalFormatRo).toInt(); }
void Be::setFinalFormatRo(int code) { setSlot(SlotFinalFormatRo, code); }
int Be::naming() const { return slot(SlotNaming).toInt(); }
void Be::setNaming(int code) { setSlot(SlotNaming, code); }
QString Be::stdSuffix() const { return slot(SlotStdSuffix).toString(); }
void Be::setStdSuffix(const QString &text) { setSlot(SlotStdSuffix, text); }
QString Be::stdPrefix() const { return slot(SlotStdPrefix).toString(); }
void Be::setStdPrefix(const QString &text) { setSlot(SlotStdPrefix, text); }
QString Be::stdName() const { return slot(SlotStdName).toString(); }
void Be::setStdName(const QString &text) { setSlot(SlotStdName, text); }
int Be::jpgQuality() const { return slot(SlotJpgQuality).toInt(); }
void Be::setJpgQuality(int quality) { setSlot(SlotJpgQuality, quality); }
bool Be::jpgProg() const { return slot(SlotJpgProg).toBool(); }
void Be::setJpgProg(bool progressive) { setSlot(SlotJpgProg, progressive); }
int Be::overwrite() const { return slot(SlotOverwrite).toInt(); }
void Be::setOverwrite(int mode) { setSlot(SlotOverwrite, mode); }
int Be::enumStart() const { return slot(SlotEnumStart).toInt(); }
void Be::setEnumStart(int start) { setSlot(SlotEnumStart, start); }
int Be::enumLength() const { return slot(SlotEnumLength).toInt(); }
void Be::setEnumLength(int length) { setSlot(SlotEnumLength, length); }
bool Be::showThumbs() const { return slot(SlotShowThumbs).toBool(); }
void Be::setShowThumbs(bool show) { setSlot(SlotShowThumbs, show); }

QString Be::Enum(int index) const
{
    return numberText(enumStart(), index, enumLength());
}

QString Be::findNewName(const QString &sourcePath, int index) const
{
    const QString name = applyFileNaming(naming(), splitFileName(sourcePath).fileName, Enum(index), stdName(),
                                         stdSuffix(), stdPrefix());
    return propFileExt(finalFolder() + name);
}

QString Be::propFileExt(const QString &path) const
{
    int code = finalFormat();
    if (code == 0) {
        if (!isReadOnlyFile(path))
            return path;
        code = finalFormatRo();
    }
    const QString extension = extensionOf(code);
    if (extension.isEmpty())
        return QString();
    const FileNameParts parts = splitFileName(path);
    const QString folderPart = path.left(path.size() - parts.fileName.size());
    return folderPart + parts.baseName + QLatin1Char('.') + extension;
}

bool Be::isReadOnlyFile(const QString &path)
{
    const FileNameParts parts = splitFileName(path);
    return parts.hasExtension && parts.extension.toUpper() == QLatin1String("PSD");
}

int Be::outputFormat(const QString &sourcePath) const
{
    if (finalFormat() == 0 && isReadOnlyFile(sourcePath))
        return finalFormatRo();
    return finalFormat();
}

bool Be::validate()
{
    QString folder = finalFolder().trimmed();
    setFinalFolder(folder);
    if (folder.isEmpty()) {
        infoMessage(mOwner, QStringLiteral("Please define final images folder"));
        return false;
    }
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
        setFinalFolder(folder);
    }
    if (!dirExist(folder)) {
        infoMessage(mOwner, QStringLiteral("Output folder does not exist"));
        return false;
    }
    const QString problem = namingProblem();
    if (!problem.isEmpty()) {
        infoMessage(mOwner, problem);
        return false;
    }
    // Every number must be one that the page can set: a damaged record may hold any number.
    const QStringList outOfRange = rangeProblems(mData, kNumberSlots);
    if (!outOfRange.isEmpty()) {
        infoMessage(mOwner, outOfRange.join(QStringLiteral("\r\n")));
        return false;
    }
    return true;
}

QString Be::namingProblem() const
{
    const QString text = namingTextInUse(naming(), stdName(), stdSuffix(), stdPrefix());
    if (!leavesItsFolder(text))
        return QString();
    const QString what = naming() == NamingNamePlusText       ? QStringLiteral("text added to the names")
                         : naming() == NamingNumberPlusSuffix ? QStringLiteral("suffix")
                                                              : QStringLiteral("prefix");
    return QStringLiteral("The %1 \"%2\" must not hold \"/\" or \"..\": output files stay in the output folder")
        .arg(what, text);
}

} // namespace gb
