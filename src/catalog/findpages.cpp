#include "catalog/findpages.h"

#include "catalog/keywordlist.h"
#include "common/datetext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gb {

namespace {

QLineEdit *sizeEdit(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(6);
    e->setValidator(new QIntValidator(0, 999999, e));
    return e;
}

QDate dateOf(const QLineEdit *edit)
{
    return QDate::fromString(edit->text().trimmed(), programDateFormat());
}

} // namespace

GeneralFindWin::GeneralFindWin(QWidget *owner) : QWidget(owner)
{
    auto *media = new QGroupBox(QStringLiteral("Look in Media Type"), this);
    fixedDisks = new QCheckBox(QStringLiteral("Fixed Disks"), media);
    networkDisks = new QCheckBox(QStringLiteral("Network Disks"), media);
    cd = new QCheckBox(QStringLiteral("CDs"), media);
    removableDisks = new QCheckBox(QStringLiteral("Removable Disks"), media);
    auto *mediaLayout = new QGridLayout(media);
    int i = 0;
    for (QCheckBox *b : {fixedDisks, networkDisks, cd, removableDisks}) {
        b->setChecked(true);
        mediaLayout->addWidget(b, i / 2, i % 2);
        ++i;
    }

    auto *names = new QGroupBox(QStringLiteral("FileName"), this);
    incInFile = new QLineEdit(names);
    excFromFile = new QLineEdit(names);
    auto *namesLayout = new QGridLayout(names);
    namesLayout->addWidget(new QLabel(QStringLiteral("Include Patern:"), names), 0, 0);
    namesLayout->addWidget(incInFile, 0, 1);
    namesLayout->addWidget(new QLabel(QStringLiteral("Exclude Patern:"), names), 1, 0);
    namesLayout->addWidget(excFromFile, 1, 1);

    auto *dates = new QGroupBox(QStringLiteral("Last Modified"), this);
    modAfter = new QLineEdit(dates);
    modBefore = new QLineEdit(dates);
    for (QLineEdit *e : {modAfter, modBefore})
        e->setPlaceholderText(programDateFormat());
    auto *datesLayout = new QGridLayout(dates);
    datesLayout->addWidget(new QLabel(QStringLiteral("After:"), dates), 0, 0);
    datesLayout->addWidget(modAfter, 0, 1);
    datesLayout->addWidget(new QLabel(QStringLiteral("Before:"), dates), 1, 0);
    datesLayout->addWidget(modBefore, 1, 1);

    auto *sizes = new QGroupBox(QStringLiteral("File Size (kb)"), this);
    sizeGr = sizeEdit(sizes);
    sizeLessEdit = sizeEdit(sizes);
    auto *sizesLayout = new QGridLayout(sizes);
    sizesLayout->addWidget(new QLabel(QStringLiteral("Greater than:"), sizes), 0, 0);
    sizesLayout->addWidget(sizeGr, 0, 1);
    sizesLayout->addWidget(new QLabel(QStringLiteral("Less than:"), sizes), 1, 0);
    sizesLayout->addWidget(sizeLessEdit, 1, 1);

    auto *layout = new QGridLayout(this);
    layout->addWidget(media, 0, 0);
    layout->addWidget(names, 0, 1);
    layout->addWidget(dates, 1, 0);
    layout->addWidget(sizes, 1, 1);
    layout->setRowStretch(2, 1);
}

QStringList GeneralFindWin::aMediaTypes() const
{
    QStringList codes;
    int code = 1;
    for (const QCheckBox *b : {fixedDisks, networkDisks, cd, removableDisks}) {
        if (b->isChecked())
            codes << QString::number(code);
        ++code;
    }
    return codes;
}

QString GeneralFindWin::includeInFile() const { return incInFile->text().trimmed(); }
QString GeneralFindWin::excludeFromFile() const { return excFromFile->text().trimmed(); }
QDate GeneralFindWin::modifiedAfter() const { return dateOf(modAfter); }
QDate GeneralFindWin::modifiedBefore() const { return dateOf(modBefore); }
int GeneralFindWin::sizeGreater() const { return sizeGr->text().trimmed().toInt(); }
int GeneralFindWin::sizeLess() const { return sizeLessEdit->text().trimmed().toInt(); }

FindImageFormatWin::FindImageFormatWin(QWidget *owner) : QWidget(owner)
{
    static const char *const labels[] = {
        "*.bmp: Windows Bitmap",   "*.emf: Windows enhaced metafile", "*.gif: CompuServe GIF",
        "*.jpg: JPEG Compressed",  "*.pcx: Zsoft Paintbrush",         "*.png: PiNG",
        "*.tga: Targa True Vision", "*.tif: Tagget Image Format",     "*.wmf: Windows Metafile",
        "*.psd: Photoshop file"};
    auto *layout = new QGridLayout(this);
    int i = 0;
    for (const char *label : labels) {
        auto *b = new QCheckBox(QString::fromUtf8(label), this);
        b->setChecked(true);
        boxes << b;
        layout->addWidget(b, i % 5, i / 5);
        ++i;
    }
    layout->setRowStretch(5, 1);
}

QStringList FindImageFormatWin::imageTypes() const
{
    static const QStringList extensions = {"BMP", "EMF", "GIF", "JPG", "PCX", "PNG", "TGA", "TIF", "WMF", "PSD"};
    QStringList types;
    for (int i = 0; i < boxes.size(); ++i)
        if (boxes.at(i)->isChecked())
            types << extensions.at(i);
    return types;
}

FindKeywordsWin::FindKeywordsWin(QWidget *owner) : QWidget(owner)
{
    keywordsLb = makeKeywordList(this);
    auto *add = new QPushButton(QStringLiteral("Add"), this);
    auto *remove = new QPushButton(QStringLiteral("Remove"), this);
    auto *searchFor = new QGroupBox(QStringLiteral("Search for: "), this);
    one = new QRadioButton(QStringLiteral("At least one"), searchFor);
    allButton = new QRadioButton(QStringLiteral("All"), searchFor);
    one->setChecked(true);
    auto *searchLayout = new QVBoxLayout(searchFor);
    searchLayout->addWidget(one);
    searchLayout->addWidget(allButton);
    auto *match = new QGroupBox(QStringLiteral("Match: "), this);
    exact = new QRadioButton(QStringLiteral("Exact"), match);
    partial = new QRadioButton(QStringLiteral("Partial"), match);
    partial->setChecked(true);
    auto *matchLayout = new QVBoxLayout(match);
    matchLayout->addWidget(exact);
    matchLayout->addWidget(partial);
    caseSensitiveCb = new QCheckBox(QStringLiteral("Case Sensitive"), this);

    auto *side = new QVBoxLayout;
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    side->addLayout(buttons);
    side->addWidget(searchFor);
    side->addWidget(match);
    side->addWidget(caseSensitiveCb);
    side->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(keywordsLb, 1);
    layout->addLayout(side);
    connect(add, &QPushButton::clicked, this, &FindKeywordsWin::pbAddKeyword);
    connect(remove, &QPushButton::clicked, this, &FindKeywordsWin::pbRemoveKeyword);
}

QStringList FindKeywordsWin::keywords() const { return listedKeywords(keywordsLb); }
bool FindKeywordsWin::all() const { return allButton->isChecked(); }
bool FindKeywordsWin::exactMatch() const { return exact->isChecked(); }
bool FindKeywordsWin::caseSensitive() const { return caseSensitiveCb->isChecked(); }

void FindKeywordsWin::pbAddKeyword()
{
    promptNewKeyword(this, keywordsLb);
}

void FindKeywordsWin::pbRemoveKeyword()
{
    removeSelectedKeywords(this, keywordsLb, QStringLiteral("Select at least one keyword to remove from the list"));
}

FindCommentsWin::FindCommentsWin(QWidget *owner) : QWidget(owner)
{
    inComments = new QLineEdit(this);
    exComments = new QLineEdit(this);
    caseSensitiveCb = new QCheckBox(QStringLiteral("Case Sensitive Search"), this);
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Included in comments:"), this), 0, 0);
    layout->addWidget(inComments, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Excluded from comments:"), this), 1, 0);
    layout->addWidget(exComments, 1, 1);
    layout->addWidget(caseSensitiveCb, 2, 1);
    layout->setRowStretch(3, 1);
}

QString FindCommentsWin::includeInComments() const { return inComments->text().trimmed(); }
QString FindCommentsWin::excludeFromComments() const { return exComments->text().trimmed(); }
bool FindCommentsWin::caseSensitive() const { return caseSensitiveCb->isChecked(); }

} // namespace gb
