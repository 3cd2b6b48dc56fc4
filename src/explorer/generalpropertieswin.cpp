#include "explorer/generalpropertieswin.h"

#include "common/dialogunits.h"
#include "explorer/dialogfields.h"
#include "explorer/fileproperties.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace gb {

GeneralPropertiesWin::GeneralPropertiesWin(QWidget *owner)
    : QWidget(owner)
{
    const DialogUnits du(DialogUnits::dialogFont());
    setFont(DialogUnits::dialogFont());
    auto *frame = new QGroupBox(this);
    frame->setGeometry(du.rect(4, 2, 212, 112));
    const QStringList labels = {"Location:", "File Name:", "Size (bytes):", "MS-DOS Name:",
                                "Created:",  "Modified:",  "Accessed:"};
    for (int i = 0; i < labels.size(); ++i) {
        const int y = 10 + i * 14;
        fixedText(this, labels[i], du.rect(10, y + 1, 50, 10));
        mValues << valueField(this, du.rect(62, y, 148, 11));
    }
    auto *attributes = new QGroupBox(QStringLiteral("Attributes"), this);
    attributes->setGeometry(du.rect(4, 118, 212, 40));
    mReadOnly = new QCheckBox(QStringLiteral("Read Only"), this);
    mReadOnly->setGeometry(du.rect(12, 131, 60, 11));
    mArchive = new QCheckBox(QStringLiteral("Archive"), this);
    mArchive->setGeometry(du.rect(12, 143, 60, 11));
    mHidden = new QCheckBox(QStringLiteral("Hidden"), this);
    mHidden->setGeometry(du.rect(110, 131, 60, 11));
    mSystem = new QCheckBox(QStringLiteral("System"), this);
    mSystem->setGeometry(du.rect(110, 143, 60, 11));
}

void GeneralPropertiesWin::setFileName(const QString &file)
{
    const GeneralProperties p = generalProperties(file);
    const QStringList texts = {p.location, p.fileName, p.size, p.msDosName, p.created, p.modified, p.accessed};
    for (int i = 0; i < texts.size(); ++i)
        mValues[i]->setText(texts[i]);
    if (!p.attributesRead)
        return;
    mReadOnly->setChecked(p.readOnly);
    mArchive->setChecked(p.archive);
    mHidden->setChecked(p.hidden);
    mSystem->setChecked(p.system);
    for (QCheckBox *box : {mReadOnly, mArchive, mHidden, mSystem})
        box->setEnabled(false);
}

QStringList GeneralPropertiesWin::values() const
{
    QStringList out;
    for (const QLabel *l : mValues)
        out << l->text();
    return out;
}

} // namespace gb
