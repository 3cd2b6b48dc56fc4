#include "actions/selectfontwin.h"

#include "actions/fontlists.h"
#include "common/changebackcolor.h"
#include "common/colorvalues.h"
#include "common/dialogcontrols.h"
#include "common/dialogunits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace gb {

SelectFontWin::SelectFontWin(QWidget *owner, const std::optional<FontData> &font, bool htmlSizes)
    : QDialog(owner), mHtmlSizes(htmlSizes)
{
    setObjectName(QStringLiteral("SelectFontWin"));
    setFont(DialogUnits::dialogFont());
    mFontName = new QComboBox(this);
    mFontName->setObjectName(QStringLiteral("FONTNAME"));
    mFontName->setEditable(true);
    mFontName->setInsertPolicy(QComboBox::NoInsert);
    mFontSize = new QComboBox(this);
    mFontSize->setObjectName(QStringLiteral("FONTSIZE"));
    mFontSize->setEditable(true);
    mFontSize->setInsertPolicy(QComboBox::NoInsert);
    mFontStyle = new QComboBox(this);
    mFontStyle->setObjectName(QStringLiteral("FONTSTYLE"));
    mUnderline = new QCheckBox(QStringLiteral("Underline"), this);
    mUnderline->setObjectName(QStringLiteral("UNDERLINE"));
    mTextColor = new QLabel(this);
    mTextColor->setObjectName(QStringLiteral("TEXTCOLOR"));
    mTextColor->setFrameStyle(QFrame::Box | QFrame::Plain);
    mTextColor->setMinimumSize(40, 20);
    changeBackColor(mTextColor, 0);
    mChangeColor = new QPushButton(this);
    mChangeColor->setObjectName(QStringLiteral("PBCHANGECOLOR"));
    mChangeColor->setIcon(changeColorIcon());
    mOk = new QPushButton(QStringLiteral("Ok"), this);
    mOk->setObjectName(QStringLiteral("PBOK"));
    mOk->setDefault(true);
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setObjectName(QStringLiteral("PBCANCEL"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Font:"), this), 0, 0);
    grid->addWidget(mFontName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Font Size:"), this), 1, 0);
    grid->addWidget(mFontSize, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Font Style:"), this), 2, 0);
    grid->addWidget(mFontStyle, 2, 1, 1, 2);
    grid->addWidget(mUnderline, 3, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Font Color:"), this), 4, 0);
    grid->addWidget(mTextColor, 4, 1);
    grid->addWidget(mChangeColor, 4, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mOk);
    buttons->addWidget(mCancel);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    connect(mFontName, &QComboBox::currentTextChanged, this, &SelectFontWin::listBoxSelect);
    connect(mChangeColor, &QPushButton::clicked, this, &SelectFontWin::pbChangeColor);
    connect(mOk, &QPushButton::clicked, this, &SelectFontWin::pbOk);
    connect(mCancel, &QPushButton::clicked, this, &SelectFontWin::pbCancel);
    postInit(font);
}

void SelectFontWin::postInit(const std::optional<FontData> &font)
{
    QStringList faces = getFaceNames();
    std::sort(faces.begin(), faces.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker block(mFontName);
    mFontName->addItems(faces);
    for (const auto &[text, value] : {std::pair{"Normal", 1}, {"Bold", 2}, {"Italics", 3}, {"Bold Italics", 4}})
        mFontStyle->addItem(QString::fromLatin1(text), value);

    mFont = font.value_or(FontData());
    mFontName->setCurrentText(mFont.face);
    fillSizes(mFont.face);
    mFontSize->setCurrentText(QString::number(mFont.size));
    // An HTML size shows as its entry when it has one.
    if (mHtmlSizes) {
        const int i = mFontSize->findData(mFont.size);
        if (i >= 0)
            mFontSize->setCurrentIndex(i);
    }
    const int style = mFont.bold && mFont.italic ? 4 : mFont.bold ? 2 : mFont.italic ? 3 : 1;
    mFontStyle->setCurrentIndex(mFontStyle->findData(style));
    mUnderline->setChecked(mFont.underline);
    changeBackColor(mTextColor, mFont.color);
}

void SelectFontWin::fillSizes(const QString &face)
{
    mFontSize->clear();
    if (mHtmlSizes) {
        for (const auto &[text, value] : getFontPointSizes(face))
            mFontSize->addItem(text, value);
        return;
    }
    for (int size : getFontPointSizesA(face))
        mFontSize->addItem(QString::number(size), size);
}

void SelectFontWin::listBoxSelect()
{
    const QString size = mFontSize->currentText();
    fillSizes(mFontName->currentText());
    mFontSize->setCurrentText(size);
    const int i = mFontSize->findText(size);
    if (i >= 0)
        mFontSize->setCurrentIndex(i);
}

void SelectFontWin::pbChangeColor()
{
    mFont.color = changeColor(this, mFont.color);
    changeBackColor(mTextColor, mFont.color);
}

void SelectFontWin::pbOk()
{
    mFont.face = mFontName->currentText();
    const QString text = mFontSize->currentText().trimmed();
    if (mHtmlSizes) {
        // The value of the chosen entry; a typed number is held to the HTML range 1..7.
        const int i = mFontSize->findText(mFontSize->currentText());
        bool number = false;
        const int typed = text.toInt(&number);
        mFont.size = i >= 0 ? mFontSize->itemData(i).toInt() : (number ? std::clamp(typed, 1, 7) : 3);
    } else {
        // The number the text begins with, as the print pages read their sizes: "15pt" is 15.
        const int size = int(std::clamp(numberOfText(text), 0.0, double(INT_MAX)));
        mFont.size = size > 0 ? size : 12;
    }
    const int style = mFontStyle->currentData().toInt();
    mFont.bold = style == 2 || style == 4;
    mFont.italic = style == 3 || style == 4;
    mFont.underline = mUnderline->isChecked();
    done(1);
}

void SelectFontWin::pbCancel()
{
    done(-1);
}

std::optional<FontData> changeFont(QWidget *owner, const std::optional<FontData> &font, const QString &caption,
                                   bool htmlSizes)
{
    SelectFontWin win(owner, font, htmlSizes);
    win.setWindowTitle(caption);
    if (win.exec() != 1)
        return std::nullopt;
    return win.fontData();
}

std::optional<FontData> changeFontA(QWidget *owner, const std::optional<FontData> &font, const QString &caption)
{
    return changeFont(owner, font, caption, false);
}

} // namespace gb
