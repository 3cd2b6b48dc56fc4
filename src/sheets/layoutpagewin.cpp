#include "sheets/layoutpagewin.h"

#include "actions/selectfontwin.h"
#include "resources/resourceclasses.h"
#include "common/dialogcontrols.h"
#include "common/dialogunits.h"
#include "sheets/sheetranges.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gb {

QLabel *pageLabel(QWidget *page, const DialogUnits &du, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, page);
    label->setGeometry(du.rect(rect));
    return label;
}

LayoutPageWin::LayoutPageWin(QWidget *owner, int controlId, const Texts &texts)
    : WizardPageWin(owner, controlId, 380, 188)
    , mTexts(texts)
{
    const DialogUnits &du = units();

    auto *layout = new QGroupBox(texts.layoutGroup, this);
    layout->setGeometry(du.rect(5, 3, 186, 64));
    pageLabel(this, du, QStringLiteral("Width:"), {11, 16, 46, 9});
    mThumbWidth = NumberPair::withSpinner(this, du, {58, 14, 26, 12}, {85, 14, 9, 12}, kThumbSideRange, 4);
    pageLabel(this, du, QStringLiteral("Height:"), {100, 16, 46, 9});
    mThumbHeight = NumberPair::withSpinner(this, du, {148, 14, 26, 12}, {175, 14, 9, 12}, kThumbSideRange, 4);
    pageLabel(this, du, QStringLiteral("Hor. Spacing:"), {11, 32, 46, 9});
    mHorSpacing = NumberPair::withSpinner(this, du, {58, 30, 26, 12}, {85, 30, 9, 12}, kSpacingRange, 2);
    pageLabel(this, du, QStringLiteral("Ver. Spacing:"), {100, 32, 46, 9});
    mVerSpacing = NumberPair::withSpinner(this, du, {148, 30, 26, 12}, {175, 30, 9, 12}, kSpacingRange, 2);
    mThumbWidth->setObjectNames(QStringLiteral("THUMBWIDTH"), QStringLiteral("THUMBWIDTHVS"));
    mThumbHeight->setObjectNames(QStringLiteral("THUMBHEIGHT"), QStringLiteral("THUMBHEIGHTVS"));
    mHorSpacing->setObjectNames(QStringLiteral("HORSPACING"), QStringLiteral("HORSPACINGVS"));
    mVerSpacing->setObjectNames(QStringLiteral("VERSPACING"), QStringLiteral("VERSPACINGVS"));

    pageLabel(this, du, QStringLiteral("Title:"), {5, 74, 24, 9});
    mTitle = new QLineEdit(this);
    mTitle->setGeometry(du.rect(30, 72, 250, 12));
    mTitle->setToolTip(QStringLiteral("Enter a description to be used as title for each thumbnails page"));
    mPbPagesTitleFont = new QPushButton(this);
    mPbPagesTitleFont->setIcon(QIcon(FontBm()));
    mPbPagesTitleFont->setToolTip(QStringLiteral("Change page title font"));
    mPbPagesTitleFont->setGeometry(du.rect(284, 71, 20, 14));
    mAppendPageNo = new QCheckBox(texts.appendPageNo, this);
    mAppendPageNo->setToolTip(QStringLiteral("Set this option to append current page number to the title"));
    mAppendPageNo->setGeometry(du.rect(30, 87, 250, 10));

    mInfo = new InfoListEditor(
        this, du, {5, 99, 300, 86},
        {texts.infoGroup, QStringLiteral("Available information to include with each thumbnail"),
         QStringLiteral("Selected information to include with each thumbnail"),
         QStringLiteral("Includes selected information to thumbnails page"),
         QStringLiteral("Removes selected information from thumbnails page"),
         QStringLiteral("Move up selected information (write earlier)"),
         QStringLiteral("Move down selected information (write later)")},
        getVars1());
    const QRect spare = mInfo->spareButtonRect();
    mPbInfoFont = new QPushButton(this);
    mPbInfoFont->setIcon(QIcon(FontBm()));
    mPbInfoFont->setToolTip(QStringLiteral("Select information font attributes"));
    mPbInfoFont->setGeometry(du.rect(spare));

    connect(mPbPagesTitleFont, &QPushButton::clicked, this, &LayoutPageWin::pbPagesTitleFont);
    connect(mPbInfoFont, &QPushButton::clicked, this, &LayoutPageWin::pbInfoFont);
}

LayoutPageWin::~LayoutPageWin() = default;

void LayoutPageWin::bindJob(JobAccess access)
{
    mAccess = std::move(access);
    mInfo->bind(mAccess.info, mAccess.setInfo);
}

void LayoutPageWin::showCommon(int thumbWidth, int thumbHeight, int horSpacing, int verSpacing, const QString &title,
                               bool appendPageNo)
{
    mThumbWidth->setNumber(thumbWidth);
    mThumbHeight->setNumber(thumbHeight);
    mHorSpacing->setNumber(horSpacing);
    mVerSpacing->setNumber(verSpacing);
    mTitle->setText(title);
    mAppendPageNo->setChecked(appendPageNo);
    mInfo->updateLb();
}

void LayoutPageWin::pbPagesTitleFont()
{
    if (!mAccess.titleFont)
        return;
    if (const std::optional<FontData> font = changeFontA(this, mAccess.titleFont(), QStringLiteral("Title Font")))
        mAccess.setTitleFont(*font);
}

void LayoutPageWin::pbInfoFont()
{
    if (!mAccess.infoFont)
        return;
    if (const std::optional<FontData> font = changeFontA(this, mAccess.infoFont(), mTexts.infoFontCaption))
        mAccess.setInfoFont(*font);
}

} // namespace gb
