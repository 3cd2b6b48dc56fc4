#include "gallery_setup/hgthumbsarrangewin.h"

#include "resources/resourceclasses.h"
#include "common/dialogcontrols.h"
#include "common/filedialogs.h"
#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"
#include "image/previewft.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace gb {

namespace {

NumberPair *spinPair(QWidget *parent, const SettingRange &range, int digits, const QString &edit, const QString &spinner,
                     const QString &tip)
{
    auto *pair = NumberPair::withSpinner(parent, DialogUnits(DialogUnits::dialogFont()), QRect(), QRect(), range, digits);
    pair->setObjectNames(edit, spinner);
    pair->edit()->setToolTip(tip);
    pair->edit()->setMaximumWidth(50);
    return pair;
}

QHBoxLayout *pairRow(NumberPair *pair)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(pair->edit());
    row->addWidget(pair->partner());
    row->addStretch();
    return row;
}

} // namespace

HgThumbsArrangeWin::HgThumbsArrangeWin(QWidget *owner, int controlId) : SectionPage(owner, controlId)
{
    setObjectName(QStringLiteral("hgThumbsArrangeWin"));
    auto *arrange = new QGroupBox(QStringLiteral("Arrange thumbnails in"), this);
    mRows = spinPair(arrange, kTableSideRange, 3, QStringLiteral("TABLEROWS"), QStringLiteral("ROWSSP"),
                     QStringLiteral("Number of thumbnails rows in each thumbnails page"));
    mCols = spinPair(arrange, kTableSideRange, 3, QStringLiteral("TABLECOLS"), QStringLiteral("COLUMNSSP"),
                     QStringLiteral("Number of thumbnails columns in each thumbnails page"));
    auto *arrangeGrid = new QGridLayout(arrange);
    arrangeGrid->addWidget(fixedText(arrange, QStringLiteral("Rows:")), 0, 0);
    arrangeGrid->addLayout(pairRow(mRows), 0, 1);
    arrangeGrid->addWidget(fixedText(arrange, QStringLiteral("Columns:")), 1, 0);
    arrangeGrid->addLayout(pairRow(mCols), 1, 1);

    auto *width = new QGroupBox(QStringLiteral("Table Width"), this);
    mSpecifyWidth = pageCheck(width, QStringLiteral("SPECIFYWIDTH"), QStringLiteral("Specify:"),
                              QStringLiteral("Set this to define table width"));
    mWidth = pageEdit(width, QStringLiteral("WIDTH"), QStringLiteral("Table width in pixels or as percent of page width"));
    mWidth->setMaximumWidth(60);
    mPercent = pageRadio(width, QStringLiteral("PERCENTWIDTH"), QStringLiteral("Percent"));
    mPixels = pageRadio(width, QStringLiteral("PIXELSWIDTH"), QStringLiteral("Pixels"));
    auto *widthGrid = new QGridLayout(width);
    widthGrid->addWidget(mSpecifyWidth, 0, 0);
    widthGrid->addWidget(mWidth, 0, 1);
    widthGrid->addWidget(mPercent, 1, 0);
    widthGrid->addWidget(mPixels, 1, 1);

    auto *colors = new QGroupBox(QStringLiteral("Table Colors"), this);
    const QSize sampleSize(40, 20);
    mTableColor = colorField(colors, QStringLiteral("TABLECOLOR"), QStringLiteral("PBCHANGETABLECOLOR"),
                             QStringLiteral("Change table color"), sampleSize, &HGallery::setThTableBackColor);
    mCellColor = colorField(colors, QStringLiteral("CELLCOLOR"), QStringLiteral("PBCHANGECELLCOLOR"),
                            QStringLiteral("Change table's cells color"), sampleSize, &HGallery::setThTableCellColor);
    mBorderColor = colorField(colors, QStringLiteral("BORDERCOLOR"), QStringLiteral("PBCHANGEBORDERCOLOR"),
                              QStringLiteral("Change table's border color"), sampleSize, &HGallery::setThTableBorderColor);
    colorGrid(colors, {{QStringLiteral("Table:"), mTableColor},
                       {QStringLiteral("Cell:"), mCellColor},
                       {QStringLiteral("Border:"), mBorderColor}});

    auto *layout = new QGroupBox(QStringLiteral("Table Layout"), this);
    mAlignment = new QComboBox(layout);
    mAlignment->setObjectName(QStringLiteral("ALIGNMENT"));
    mAlignment->setToolTip(QStringLiteral("Define table alignment"));
    mAlignment->addItem(QStringLiteral("Center"), 3);
    mAlignment->addItem(QStringLiteral("Left"), 2);
    mAlignment->addItem(QStringLiteral("Right"), 4);
    mBorderSize = spinPair(layout, kTableCellRange, 2, QStringLiteral("BORDERSIZE"), QStringLiteral("BORDERSIZESP"),
                           QStringLiteral("Table border size"));
    mCellPadding = spinPair(layout, kTableCellRange, 2, QStringLiteral("CELLPADDING"), QStringLiteral("CELLPADDSP"),
                            QStringLiteral("Table cell padding size"));
    mCellSpacing = spinPair(layout, kTableCellRange, 2, QStringLiteral("CELLSPACING"), QStringLiteral("CELLSPACINGSP"),
                            QStringLiteral("Table cell specing"));
    auto *layoutGrid = new QGridLayout(layout);
    layoutGrid->addWidget(fixedText(layout, QStringLiteral("Alignment:")), 0, 0);
    layoutGrid->addWidget(mAlignment, 0, 1);
    layoutGrid->addWidget(fixedText(layout, QStringLiteral("Border Size:")), 1, 0);
    layoutGrid->addLayout(pairRow(mBorderSize), 1, 1);
    layoutGrid->addWidget(fixedText(layout, QStringLiteral("Cell Padding:")), 2, 0);
    layoutGrid->addLayout(pairRow(mCellPadding), 2, 1);
    layoutGrid->addWidget(fixedText(layout, QStringLiteral("Cell Spacing:")), 3, 0);
    layoutGrid->addLayout(pairRow(mCellSpacing), 3, 1);

    auto *back = new QGroupBox(QStringLiteral("Table Background Image"), this);
    mUseBackground = pageCheck(back, QStringLiteral("USEBACKGROUND"), QStringLiteral("Use background image"),
                               QStringLiteral("Set to use an image as table background"));
    mBackground = pageEdit(back, QStringLiteral("BACKGROUND"),
                           QStringLiteral("Define the image that will be used as table background"));
    mBrowse = pictureButton(back, QStringLiteral("PBBROWSEBACKGROUND"), FindFile(),
                            QStringLiteral("Browse folders to find background image"));
    mPreviewFt = gb::previewPane(back, QStringLiteral("PREVIEWFT"), QSize(90, 70));
    auto *backGrid = new QGridLayout(back);
    backGrid->addWidget(mUseBackground, 0, 0, 1, 2);
    backGrid->addWidget(mBackground, 1, 0);
    backGrid->addWidget(mBrowse, 1, 1);
    backGrid->addWidget(mPreviewFt, 0, 2, 3, 1);
    backGrid->setColumnStretch(0, 1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(arrange, 0, 0);
    grid->addWidget(width, 1, 0);
    grid->addWidget(colors, 0, 1, 2, 1);
    grid->addWidget(layout, 0, 2, 2, 1);
    grid->addWidget(back, 2, 0, 1, 3);
    grid->setRowStretch(3, 1);

    for (QAbstractButton *button : {static_cast<QAbstractButton *>(mSpecifyWidth), static_cast<QAbstractButton *>(mPercent),
                                    static_cast<QAbstractButton *>(mPixels),
                                    static_cast<QAbstractButton *>(mUseBackground)})
        connect(button, &QAbstractButton::clicked, this, &HgThumbsArrangeWin::adjustControls);
    connect(mBackground, &QLineEdit::textChanged, this, &HgThumbsArrangeWin::previewFile);
    connect(mBrowse, &QPushButton::clicked, this, &HgThumbsArrangeWin::pbBrowseBackground);
}

void HgThumbsArrangeWin::connect2Source(HGallery *gallery)
{
    mGallery = gallery;
    mRows->setNumber(gallery->thRows());
    mCols->setNumber(gallery->thColumns());
    mSpecifyWidth->setChecked(gallery->thSpecifyTableWidth());
    mWidth->setText(numberText(gallery->thTableWidth()));
    checkByCode({{mPercent, 1}, {mPixels, 0}}, gallery->thTablePercent() ? 1 : 0);
    mTableColor->setColor(gallery->thTableBackColor());
    mCellColor->setColor(gallery->thTableCellColor());
    mBorderColor->setColor(gallery->thTableBorderColor());
    mAlignment->setCurrentIndex(mAlignment->findData(gallery->thTableAlignment()));
    mBorderSize->setNumber(gallery->thTableBorderSize());
    mCellPadding->setNumber(gallery->thTableCellPadding());
    mCellSpacing->setNumber(gallery->thTableCellSpacing());
    mUseBackground->setChecked(gallery->thTableUseBackImage());
    mBackground->setText(gallery->thTableBackImage().trimmed());
    adjustControls();
}

void HgThumbsArrangeWin::updateObject()
{
    if (!mGallery)
        return;
    mGallery->setThRows(mRows->number());
    mGallery->setThColumns(mCols->number());
    mGallery->setThSpecifyTableWidth(mSpecifyWidth->isChecked());
    mGallery->setThTableWidth(numberValue(mWidth->text()));
    mGallery->setThTablePercent(mPercent->isChecked());
    // With no item chosen (a stored code the list does not hold) the code stays.
    if (mAlignment->currentIndex() >= 0)
        mGallery->setThTableAlignment(mAlignment->currentData().toInt());
    mGallery->setThTableBorderSize(mBorderSize->number());
    mGallery->setThTableCellPadding(mCellPadding->number());
    mGallery->setThTableCellSpacing(mCellSpacing->number());
    mGallery->setThTableUseBackImage(mUseBackground->isChecked());
    mGallery->setThTableBackImage(mBackground->text().trimmed());
}

void HgThumbsArrangeWin::adjustControls()
{
    const bool width = mSpecifyWidth->isChecked();
    mWidth->setEnabled(width);
    mPercent->setEnabled(width);
    mPixels->setEnabled(width);
    const bool back = mUseBackground->isChecked();
    mBackground->setEnabled(back);
    mBrowse->setEnabled(back);
    mPreviewFt->setEnabled(back);
}

void HgThumbsArrangeWin::previewFile()
{
    gb::previewFile(mPreviewFt, &mPreviewBlock, mBackground->text().trimmed());
}

void HgThumbsArrangeWin::pbBrowseBackground()
{
    const QString file = openImageDialog(this, QStringLiteral("Select an image to be used as table background"));
    if (!file.isEmpty())
        mBackground->setText(file);
}

} // namespace gb
