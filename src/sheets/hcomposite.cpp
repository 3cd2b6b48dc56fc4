#include "sheets/hcomposite.h"

#include "common/filepaths.h"
#include "sheets/settingslots.h"
#include "sheets/variabletext.h"

namespace gb {

using namespace settingslots;

namespace {

// Slots, 1-based as the settings store them.
enum Slot {
    SImageSize = 1, SImageWidth, SImageHeight, SSaveAs, SFolder, SPrefix, SJpgQuality, SJpgProgressive,
    SOverwrite, SThumbWidth, SThumbHeight, SHorSpacing, SVerSpacing, SBorderSize, SBackColor, SThumbColor,
    SBorderColor, STitle, STitleFont, SAppendPageNo, SInfo, SInfoFont,
};

const FontData kTitleFont{QStringLiteral("Verdana"), 14, true, false, false, 0};
const FontData kInfoFont{QStringLiteral("Arial"), 12, false, false, false, 0};

Value colourValue(uint32_t c)
{
    return Value(double(c & 0xFFFFFF));
}

} // namespace

HComposite::HComposite(QWidget *owner) : mOwner(owner), mDefaults(defaults())
{
    initialize();
}

HComposite::HComposite(QWidget *owner, ValueArray stored) : mOwner(owner), mDefaults(defaults())
{
    setData(std::move(stored));
}

ValueArray HComposite::defaults()
{
    return {
        Value(1), Value(0), Value(0), Value(3), Value(getTemporaryDir()), Value("CSheet"), Value(80), Value(true),
        Value(3), Value(100), Value(100), Value(5), Value(5), Value(1),
        colourValue(0xFFFFFF), colourValue(255 + 255 * 256 + 192 * 65536), colourValue(0),
        Value(QString()), kTitleFont.toValue(), Value(true), Value(ValueArray{Value(1), Value(2), Value(4)}),
        kInfoFont.toValue(),
    };
}

void HComposite::initialize()
{
    mDefaults = defaults();
    mData = mDefaults;
}

void HComposite::setData(ValueArray stored)
{
    mData = std::move(stored);
    padWithDefaults(mData, mDefaults);
}

int HComposite::intSlot(int slot) const
{
    return intAt(mData, mDefaults, slot);
}

bool HComposite::boolSlot(int slot) const
{
    return boolAt(mData, mDefaults, slot);
}

QString HComposite::textSlot(int slot) const
{
    return textAt(mData, mDefaults, slot);
}

void HComposite::set(int slot, Value v)
{
    mData[slot - 1] = std::move(v);
}

int HComposite::imageSize() const { return intSlot(SImageSize); }
void HComposite::setImageSize(int v) { set(SImageSize, v); }
int HComposite::imageWidth() const { return intSlot(SImageWidth); }
void HComposite::setImageWidth(int v) { set(SImageWidth, v); }
int HComposite::imageHeight() const { return intSlot(SImageHeight); }
void HComposite::setImageHeight(int v) { set(SImageHeight, v); }
int HComposite::saveAs() const { return intSlot(SSaveAs); }
void HComposite::setSaveAs(int v) { set(SSaveAs, v); }
QString HComposite::folder() const { return textSlot(SFolder); }
void HComposite::setFolder(const QString &v) { set(SFolder, v); }
QString HComposite::prefix() const { return textSlot(SPrefix); }
void HComposite::setPrefix(const QString &v) { set(SPrefix, v); }
int HComposite::jpgQuality() const { return intSlot(SJpgQuality); }
void HComposite::setJpgQuality(int v) { set(SJpgQuality, v); }
bool HComposite::jpgProgressive() const { return boolSlot(SJpgProgressive); }
void HComposite::setJpgProgressive(bool v) { set(SJpgProgressive, v); }
int HComposite::overwrite() const { return intSlot(SOverwrite); }
void HComposite::setOverwrite(int v) { set(SOverwrite, v); }
int HComposite::thumbWidth() const { return intSlot(SThumbWidth); }
void HComposite::setThumbWidth(int v) { set(SThumbWidth, v); }
int HComposite::thumbHeight() const { return intSlot(SThumbHeight); }
void HComposite::setThumbHeight(int v) { set(SThumbHeight, v); }
int HComposite::horSpacing() const { return intSlot(SHorSpacing); }
void HComposite::setHorSpacing(int v) { set(SHorSpacing, v); }
int HComposite::verSpacing() const { return intSlot(SVerSpacing); }
void HComposite::setVerSpacing(int v) { set(SVerSpacing, v); }
int HComposite::borderSize() const { return intSlot(SBorderSize); }
void HComposite::setBorderSize(int v) { set(SBorderSize, v); }
uint32_t HComposite::backColor() const { return uint32_t(intSlot(SBackColor)) & 0xFFFFFF; }
void HComposite::setBackColor(uint32_t v) { set(SBackColor, colourValue(v)); }
uint32_t HComposite::thumbColor() const { return uint32_t(intSlot(SThumbColor)) & 0xFFFFFF; }
void HComposite::setThumbColor(uint32_t v) { set(SThumbColor, colourValue(v)); }
uint32_t HComposite::borderColor() const { return uint32_t(intSlot(SBorderColor)) & 0xFFFFFF; }
void HComposite::setBorderColor(uint32_t v) { set(SBorderColor, colourValue(v)); }
QString HComposite::title() const { return textSlot(STitle); }
void HComposite::setTitle(const QString &v) { set(STitle, v); }
FontData HComposite::titleFont() const { return fontAt(mData, mDefaults, STitleFont); }
void HComposite::setTitleFont(const FontData &v) { set(STitleFont, v.toValue()); }
bool HComposite::appendPageNo() const { return boolSlot(SAppendPageNo); }
void HComposite::setAppendPageNo(bool v) { set(SAppendPageNo, v); }
FontData HComposite::infoFont() const { return fontAt(mData, mDefaults, SInfoFont); }
void HComposite::setInfoFont(const FontData &v) { set(SInfoFont, v.toValue()); }

std::vector<int> HComposite::info() const
{
    return codesAt(mData, mDefaults, SInfo);
}

void HComposite::setInfo(const std::vector<int> &v)
{
    set(SInfo, codesValue(v));
}

QStringList HComposite::validate()
{
    QStringList problems;
    const QString dir = folder();
    if (dir.isEmpty()) {
        problems << QStringLiteral("[General] Define a folder to place generated composite images");
    } else {
        // The closing "/" goes onto the slot's own text, blanks included; a text of blanks
        // only gets none.
        const QString trimmed = dir.trimmed();
        if (trimmed.lastIndexOf(QLatin1Char('/')) + 1 != trimmed.size())
            setFolder(dir + QLatin1Char('/'));
        if (!dirExist(folder()))
            problems << QStringLiteral("[General] Output folder does not exist");
    }

    const QString badPrefix = prefixProblem();
    if (!badPrefix.isEmpty())
        problems << QStringLiteral("[General] ") + badPrefix;

    switch (imageSize()) {
    case 1:
        setImageWidth(640);
        setImageHeight(480);
        break;
    case 2:
        setImageWidth(800);
        setImageHeight(600);
        break;
    case 3:
        setImageWidth(1024);
        setImageHeight(768);
        break;
    default:
        break;
    }
    if (imageWidth() < 1)
        problems << QStringLiteral("[General] Composite image width too small");
    if (imageHeight() < 1)
        problems << QStringLiteral("[General] Composite image height too small");

    // The layout must leave room for a picture inside every frame and a step of at least
    // one pixel from cell to cell, or the run would divide by zero or make empty buffers.
    const int border = borderSize();
    if (border < 0)
        problems << QStringLiteral("[General] Border size cannot be negative");
    if (thumbWidth() - 2 * qint64(std::max(border, 0)) < 1)
        problems << QStringLiteral("[General] Thumbnail width too small for its border");
    if (thumbHeight() - 2 * qint64(std::max(border, 0)) < 1)
        problems << QStringLiteral("[General] Thumbnail height too small for its border");
    if (qint64(thumbWidth()) + 2 * qint64(border) + horSpacing() < 1)
        problems << QStringLiteral("[General] Thumbnail width and horizontal spacing leave no room for a column");
    if (qint64(thumbHeight()) + 2 * qint64(border) + verSpacing() < 1)
        problems << QStringLiteral("[General] Thumbnail height and vertical spacing leave no room for a row");
    return problems;
}

QString HComposite::prefixProblem() const
{
    if (!leavesItsFolder(prefix()))
        return QString();
    return QStringLiteral("The name prefix \"") + prefix()
           + QStringLiteral("\" cannot hold \"/\" or \"..\": sheets stay in their folder");
}

QStringList HComposite::variableText(const QString &file) const
{
    return imageVariableText(file, info());
}

} // namespace gb
