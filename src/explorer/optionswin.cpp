#include "explorer/optionswin.h"

#include "common/dialogunits.h"
#include "common/registry.h"
#include "explorer/dialogfields.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <tuple>

namespace gb {

static const QString kSection = QStringLiteral("Print Options");

namespace {

// The grid of each group: a label and its edit, a gap, a second label and edit. Laid out by
// the group, the grid stands inside the group's frame, under its title, in any style.
QGridLayout *fieldGrid(QGroupBox *group, const DialogUnits &du)
{
    auto *grid = new QGridLayout(group);
    grid->setColumnMinimumWidth(2, du.x(12));
    grid->setColumnStretch(2, 1);
    return grid;
}

} // namespace

OptionsWin::OptionsWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Page Setup"));
    setFont(DialogUnits::dialogFont());
    const DialogUnits du(font());

    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(new QLabel(QStringLiteral("Print Logo:"), this));
    mCompanyLogo = new QLineEdit(this);
    mCompanyLogo->setEnabled(false);
    logoRow->addWidget(mCompanyLogo, 1);

    auto *printSetup = new QGroupBox(QStringLiteral("Image Print Setup"), this);
    auto *orientationBox = new QGroupBox(QStringLiteral("Paper Orientation"), this);
    auto *margins = new QGroupBox(QStringLiteral("Paper Margins (pixels)"), this);
    QGridLayout *setupGrid = fieldGrid(printSetup, du);
    QGridLayout *orientationGrid = fieldGrid(orientationBox, du);
    QGridLayout *marginGrid = fieldGrid(margins, du);

    const int editWidth = du.x(32);
    int labelWidth[2] = {0, 0}; // of the first and the second label column
    const auto field = [&](QGridLayout *grid, int row, int column, const QString &text) {
        auto *label = new QLabel(text, this);
        int &width = labelWidth[column == 0 ? 0 : 1];
        width = std::max(width, label->sizeHint().width());
        QLineEdit *edit = numberEdit(this, QRect());
        edit->setFixedWidth(editWidth);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        return edit;
    };
    mSiStartingRow = field(setupGrid, 0, 0, QStringLiteral("Starting row:"));
    mSiStartingColumn = field(setupGrid, 0, 3, QStringLiteral("Starting column:"));
    mLeftMargin = field(marginGrid, 0, 0, QStringLiteral("Left Margin:"));
    mRightMargin = field(marginGrid, 0, 3, QStringLiteral("Right Margin:"));
    mTopMargin = field(marginGrid, 1, 0, QStringLiteral("Top Margin:"));
    mBottomMargin = field(marginGrid, 1, 3, QStringLiteral("Bottom Margin:"));

    // Each pair of radio buttons stands centred under the two columns of fields.
    const auto radioPair = [&](QGridLayout *grid, int row, const QString &first, const QString &second) {
        auto *group = new QButtonGroup(this);
        const std::pair<QRadioButton *, QRadioButton *> pair{new QRadioButton(first, this),
                                                             new QRadioButton(second, this)};
        group->addButton(pair.first);
        group->addButton(pair.second);
        grid->addWidget(pair.first, row, 0, 1, 2, Qt::AlignHCenter);
        grid->addWidget(pair.second, row, 3, 1, 2, Qt::AlignHCenter);
        return pair;
    };
    std::tie(mActualSize, mFitInPage) =
        radioPair(setupGrid, 1, QStringLiteral("Actual Size"), QStringLiteral("Fit in page"));
    std::tie(mPortrait, mLandscape) =
        radioPair(orientationGrid, 0, QStringLiteral("Portrait"), QStringLiteral("Landscape"));

    // The columns of the three groups line up.
    for (QGridLayout *grid : {setupGrid, orientationGrid, marginGrid}) {
        grid->setColumnMinimumWidth(0, labelWidth[0]);
        grid->setColumnMinimumWidth(1, editWidth);
        grid->setColumnMinimumWidth(3, labelWidth[1]);
        grid->setColumnMinimumWidth(4, editWidth);
    }

    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {ok, cancel}) {
        button->setFixedSize(du.size(53, 16));
        buttons->addWidget(button);
        buttons->addStretch();
    }
    connect(ok, &QPushButton::clicked, this, &OptionsWin::pbOk);
    connect(cancel, &QPushButton::clicked, this, &OptionsWin::pbCancel);
    makeEnterButton(ok);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(7), du.y(3), du.x(7), du.y(6));
    page->setSpacing(du.y(3));
    page->addLayout(logoRow);
    for (QGroupBox *group : {printSetup, orientationBox, margins})
        page->addWidget(group);
    page->addStretch();
    page->addLayout(buttons);
    // At least the size the dialog was drawn with; larger where the style's group titles need it.
    setFixedSize(page->sizeHint().expandedTo(du.size(232, 168)));

    postInit();
}

void OptionsWin::postInit()
{
    auto number = [](const char *name) { return QString::number(getIntFromReg(kSection, QString::fromLatin1(name))); };
    mCompanyLogo->clear();
    mSiStartingRow->setText(number("SI Starting Row"));
    mSiStartingColumn->setText(number("SI Starting Col"));
    (getIntFromReg(kSection, QStringLiteral("SI Print Type")) == 1 ? mActualSize : mFitInPage)->setChecked(true);
    (getIntFromReg(kSection, QStringLiteral("Orientation")) == 1 ? mPortrait : mLandscape)->setChecked(true);
    mLeftMargin->setText(number("Left Margin"));
    mRightMargin->setText(number("Right Margin"));
    mTopMargin->setText(number("Top Margin"));
    mBottomMargin->setText(number("Bottom Margin"));
}

QString OptionsWin::orientation() const
{
    return mPortrait->isChecked() ? QStringLiteral("P") : QStringLiteral("L");
}

void OptionsWin::pbOk()
{
    kvtSetRtRegString(kSection, QStringLiteral("Company Logo"), mCompanyLogo->text());
    kvtSetRtRegInt(kSection, QStringLiteral("SI Starting Row"), numberOf(mSiStartingRow->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("SI Starting Col"), numberOf(mSiStartingColumn->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("SI Print Type"), mActualSize->isChecked() ? 1 : 2);
    kvtSetRtRegInt(kSection, QStringLiteral("Left Margin"), numberOf(mLeftMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Right Margin"), numberOf(mRightMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Top Margin"), numberOf(mTopMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Bottom Margin"), numberOf(mBottomMargin->text()));
    kvtSetRtRegInt(kSection, QStringLiteral("Orientation"), orientation() == QLatin1String("P") ? 1 : 2);
    done(1);
}

void OptionsWin::pbCancel()
{
    done(-1);
}

} // namespace gb
