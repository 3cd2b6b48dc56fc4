#include "explorer/thumbsfilterwin.h"

#include "common/dialogunits.h"
#include "common/messages.h"
#include "explorer/dialogfields.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace gb {

const QStringList &ThumbsFilterWin::boxExtensions()
{
    static const QStringList list = {"jpg", "gif", "png", "tga", "tif", "pcx", "bmp", "psd", "emf", "wmf"};
    return list;
}

ThumbsFilterWin::ThumbsFilterWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Image Files Filter"));
    const DialogUnits du = DialogUnits::setUp(this, 231, 128);

    auto *group = new QGroupBox(QStringLiteral("Include Files with Extensions"), this);
    group->setGeometry(du.rect(5, 49, 220, 49));
    fixedText(this, QStringLiteral("Include files:"), du.rect(6, 11, 42, 12));
    fixedText(this, QStringLiteral("Exclude files:"), du.rect(119, 11, 46, 12));
    fixedText(this, QStringLiteral("Modified after:"), du.rect(6, 29, 48, 12));
    fixedText(this, QStringLiteral("and before:"), du.rect(120, 29, 38, 12));
    mInFiles = new QLineEdit(this);
    mInFiles->setGeometry(du.rect(59, 8, 53, 12));
    mExFiles = new QLineEdit(this);
    mExFiles->setGeometry(du.rect(166, 9, 53, 12));
    mModAfter = new QLineEdit(this);
    mModAfter->setGeometry(du.rect(59, 28, 53, 12));
    mModBefore = new QLineEdit(this);
    mModBefore->setGeometry(du.rect(166, 28, 53, 12));
    for (QLineEdit *date : {mModAfter, mModBefore})
        date->setPlaceholderText(dateFieldFormat().toLower());

    // Two rows of five boxes: jpg gif png tga tif, then pcx bmp psd emf wmf.
    for (int i = 0; i < boxExtensions().size(); ++i) {
        auto *box = new QCheckBox(boxExtensions()[i], this);
        box->setGeometry(du.rect(12 + (i % 5) * 44, i < 5 ? 60 : 79, 30, 11));
        mBoxes << box;
    }

    mApply = new QPushButton(QStringLiteral("Apply"), this);
    mApply->setGeometry(du.rect(11, 107, 53, 12));
    mCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mCancel->setGeometry(du.rect(89, 107, 53, 12));
    mRemove = new QPushButton(QStringLiteral("Remove"), this);
    mRemove->setGeometry(du.rect(166, 107, 53, 12));
    connect(mApply, &QPushButton::clicked, this, &ThumbsFilterWin::applyButtonClicked);
    connect(mCancel, &QPushButton::clicked, this, &ThumbsFilterWin::pbCancel);
    connect(mRemove, &QPushButton::clicked, this, &ThumbsFilterWin::pbRemove);
    makeEnterButton(mApply);
}

QCheckBox *ThumbsFilterWin::box(const QString &extension) const
{
    const int i = boxExtensions().indexOf(extension);
    return i < 0 ? nullptr : mBoxes[i];
}

void ThumbsFilterWin::setExtensions(const QStringList &extensions)
{
    for (int i = 0; i < mBoxes.size(); ++i)
        mBoxes[i]->setChecked(extensions.contains(boxExtensions()[i]));
}

void ThumbsFilterWin::setIncludeFiles(const QString &text)
{
    mInFiles->setText(text);
}

void ThumbsFilterWin::setExcludeFiles(const QString &text)
{
    mExFiles->setText(text);
}

void ThumbsFilterWin::setModifiedAfter(const QDate &date)
{
    mModAfter->setText(dateToField(date));
}

void ThumbsFilterWin::setModifiedBefore(const QDate &date)
{
    mModBefore->setText(dateToField(date));
}

void ThumbsFilterWin::applyButtonClicked()
{
    mExtensions.clear();
    for (int i = 0; i < mBoxes.size(); ++i)
        if (mBoxes[i]->isChecked())
            mExtensions << boxExtensions()[i];
    mIncludeFiles = mInFiles->text().trimmed();
    mExcludeFiles = mExFiles->text().trimmed();
    mModifiedAfter = dateFromField(mModAfter->text());
    mModifiedBefore = dateFromField(mModBefore->text());
    // A date that cannot be read would silently filter nothing: say so and stay open.
    const struct {
        QLineEdit *field;
        QDate date;
        const char *name;
    } dates[] = {{mModAfter, mModifiedAfter, "Modified after"}, {mModBefore, mModifiedBefore, "Modified before"}};
    for (const auto &d : dates) {
        if (d.date.isValid() || d.field->text().trimmed().isEmpty())
            continue;
        errorMsg(this, QString::fromLatin1(d.name) + QStringLiteral(": \"") + d.field->text().trimmed()
                           + QStringLiteral("\" is not a date. Type it as ") + dateFieldFormat().toLower()
                           + QStringLiteral(", for example ") + dateToField(QDate(2020, 1, 31)) + QLatin1Char('.'));
        d.field->setFocus();
        d.field->selectAll();
        return;
    }
    done(1);
}

void ThumbsFilterWin::pbRemove()
{
    done(2);
}

void ThumbsFilterWin::pbCancel()
{
    done(-1);
}

} // namespace gb
