#include "sheets/hcomposite.h"

#include "common/filepaths.h"
#include "sheets/compositelayout.h"
#include "sheets/settingslots.h"
#include "sheets/sheetranges.h"
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
    // Every number must be one that its page can set: a damaged record may hold any number,
    // and one past its range would reach the layout's arithmetic. The sheet's size keeps its
    // own texts for a size below 1.
    const RangedSlot numbers[] = {
        {SImageSize, kSheetPresetRange, QStringLiteral("Composite image size")},
        {SImageWidth, kSheetSideRange, QStringLiteral("Composite image width"),
         QStringLiteral("Composite image width too small")},
        {SImageHeight, kSheetSideRange, QStringLiteral("Composite image height"),
         QStringLiteral("Composite image height too small")},
        {SSaveAs, kImageTypeRange, QStringLiteral("Composite image file type")},
        {SJpgQuality, kJpgQualityRange, QStringLiteral("JPG quality")},
        {SOverwrite, kOverwriteRange, QStringLiteral("Overwrite option")},
        {SThumbWidth, kThumbSideRange, QStringLiteral("Thumbnail width")},
        {SThumbHeight, kThumbSideRange, QStringLiteral("Thumbnail height")},
        {SHorSpacing, kSpacingRange, QStringLiteral("Horizontal spacing")},
        {SVerSpacing, kSpacingRange, QStringLiteral("Vertical spacing")},
        {SBorderSize, kBorderSizeRange, QStringLiteral("Border size")},
        {SBackColor, kColorRange, QStringLiteral("Image background")},
        {SThumbColor, kColorRange, QStringLiteral("Thumbnails background")},
        {SBorderColor, kColorRange, QStringLiteral("Border")},
    };
    const QStringList outOfRange = rangeProblems(mData, numbers, QStringLiteral("[General] "));
    problems << outOfRange;
    if (!outOfRange.isEmpty())
        return problems;

    // Within their ranges the numbers may still leave no room for a picture inside its
    // frame, or no room on the sheet for even one cell; the run would make nothing.
    const int border = borderSize();
    const bool widthRoom = thumbWidth() - 2 * border >= 1;
    const bool heightRoom = thumbHeight() - 2 * border >= 1;
    if (!widthRoom)
        problems << QStringLiteral("[General] Thumbnail width too small for its border");
    if (!heightRoom)
        problems << QStringLiteral("[General] Thumbnail height too small for its border");
    if (widthRoom && heightRoom && layout(1).perSheet < 1)
        problems << QStringLiteral("[General] Not even one thumbnail fits on the composite image");
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
