#include "sheets/hprgallery.h"

// The run state's types, complete where the job is made.
#include "common/batchprogress.h"
#include "common/eventpacer.h"
#include "sheets/printpictures.h"
#include "sheets/settingslots.h"
#include "sheets/sheetranges.h"
#include "sheets/variabletext.h"

namespace gb {

using namespace settingslots;

namespace {

enum Slot {
    SThumbWidth = 1, SThumbHeight, SHorSpacing, SVerSpacing, SThumbPerCol, STitle, STitleFont, SAppendPageNo,
    SDrawBorder, SImageInfo, SImageInfoFont, SLogo, SStartRow, SStartCol, SPortrait, SLeftMargin, SRightMargin,
    STopMargin, SBottomMargin,
};

const FontData kTitleFont{QStringLiteral("Verdana"), 12, true, false, false, 0};
const FontData kInfoFont{QStringLiteral("Verdana"), 8, false, false, false, 0};

} // namespace

HPrGallery::HPrGallery(QWidget *owner) : mOwner(owner), mDefaults(defaults())
{
    initialize();
}

HPrGallery::HPrGallery(QWidget *owner, ValueArray stored) : mOwner(owner), mDefaults(defaults())
{
    setData(std::move(stored));
}

ValueArray HPrGallery::defaults()
{
    return {
        Value(150), Value(150), Value(15), Value(15), Value(4), Value("Image Gallery"), kTitleFont.toValue(),
        Value(true), Value(true), Value(ValueArray{Value(1), Value(2), Value(4)}), kInfoFont.toValue(), Value(QString()),
        Value(10), Value(10), Value(true), Value(30), Value(30), Value(20), Value(20),
    };
}

void HPrGallery::initialize()
{
    mData = mDefaults;
}

void HPrGallery::setData(ValueArray stored)
{
    mData = std::move(stored);
    padWithDefaults(mData, mDefaults);
}

int HPrGallery::intSlot(int slot) const
{
    return intAt(mData, mDefaults, slot);
}

bool HPrGallery::boolSlot(int slot) const
{
    return boolAt(mData, mDefaults, slot);
}

QString HPrGallery::textSlot(int slot) const
{
    return textAt(mData, mDefaults, slot);
}

void HPrGallery::set(int slot, Value v)
{
    mData[slot - 1] = std::move(v);
}

int HPrGallery::thumbWidth() const { return intSlot(SThumbWidth); }
void HPrGallery::setThumbWidth(int v) { set(SThumbWidth, v); }
int HPrGallery::thumbHeight() const { return intSlot(SThumbHeight); }
void HPrGallery::setThumbHeight(int v) { set(SThumbHeight, v); }
int HPrGallery::horSpacing() const { return intSlot(SHorSpacing); }
void HPrGallery::setHorSpacing(int v) { set(SHorSpacing, v); }
int HPrGallery::verSpacing() const { return intSlot(SVerSpacing); }
void HPrGallery::setVerSpacing(int v) { set(SVerSpacing, v); }
int HPrGallery::thumbPerCol() const { return intSlot(SThumbPerCol); }
void HPrGallery::setThumbPerCol(int v) { set(SThumbPerCol, v); }
QString HPrGallery::title() const { return textSlot(STitle); }
void HPrGallery::setTitle(const QString &v) { set(STitle, v); }
bool HPrGallery::appendPageNo() const { return boolSlot(SAppendPageNo); }
void HPrGallery::setAppendPageNo(bool v) { set(SAppendPageNo, v); }
bool HPrGallery::drawBorder() const { return boolSlot(SDrawBorder); }
void HPrGallery::setDrawBorder(bool v) { set(SDrawBorder, v); }
QString HPrGallery::logo() const { return textSlot(SLogo); }
void HPrGallery::setLogo(const QString &v) { set(SLogo, v); }
int HPrGallery::startRow() const { return intSlot(SStartRow); }
void HPrGallery::setStartRow(int v) { set(SStartRow, v); }
int HPrGallery::startCol() const { return intSlot(SStartCol); }
void HPrGallery::setStartCol(int v) { set(SStartCol, v); }
bool HPrGallery::portrait() const { return boolSlot(SPortrait); }
void HPrGallery::setPortrait(bool v) { set(SPortrait, v); }
int HPrGallery::leftMargin() const { return intSlot(SLeftMargin); }
void HPrGallery::setLeftMargin(int v) { set(SLeftMargin, v); }
int HPrGallery::rightMargin() const { return intSlot(SRightMargin); }
void HPrGallery::setRightMargin(int v) { set(SRightMargin, v); }
int HPrGallery::topMargin() const { return intSlot(STopMargin); }
void HPrGallery::setTopMargin(int v) { set(STopMargin, v); }
int HPrGallery::bottomMargin() const { return intSlot(SBottomMargin); }
void HPrGallery::setBottomMargin(int v) { set(SBottomMargin, v); }

FontData HPrGallery::titleFont() const { return fontAt(mData, mDefaults, STitleFont); }

void HPrGallery::setTitleFont(const FontData &v) { set(STitleFont, v.toValue()); }

FontData HPrGallery::imageInfoFont() const { return fontAt(mData, mDefaults, SImageInfoFont); }

void HPrGallery::setImageInfoFont(const FontData &v) { set(SImageInfoFont, v.toValue()); }

std::vector<int> HPrGallery::imageInfo() const
{
    return codesAt(mData, mDefaults, SImageInfo);
}

void HPrGallery::setImageInfo(const std::vector<int> &v)
{
    set(SImageInfo, codesValue(v));
}

QStringList HPrGallery::validate() const
{
    const RangedSlot layout[] = {
        {SThumbWidth, kThumbSideRange, QStringLiteral("Thumbnail width")},
        {SThumbHeight, kThumbSideRange, QStringLiteral("Thumbnail height")},
        {SHorSpacing, kSpacingRange, QStringLiteral("Horizontal spacing")},
        {SVerSpacing, kSpacingRange, QStringLiteral("Vertical spacing")},
        {SThumbPerCol, kThumbColumnsRange, QStringLiteral("Number of thumbnails columns")},
    };
    const RangedSlot setup[] = {
        {SLeftMargin, kMarginRange, QStringLiteral("Left margin")},
        {SRightMargin, kMarginRange, QStringLiteral("Right margin")},
        {STopMargin, kMarginRange, QStringLiteral("Top margin")},
        {SBottomMargin, kMarginRange, QStringLiteral("Bottom margin")},
    };
    return rangeProblems(mData, layout, QStringLiteral("[Page Layout] "))
           + rangeProblems(mData, setup, QStringLiteral("[Page Setup] "));
}

QStringList HPrGallery::variableText(const QString &file) const
{
    return imageVariableText(file, imageInfo());
}

} // namespace gb
