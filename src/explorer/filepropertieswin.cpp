#include "explorer/filepropertieswin.h"

#include "common/dialogunits.h"
#include "explorer/generalpropertieswin.h"
#include "explorer/imagepropertieswin.h"

#include <QPushButton>
#include <QTabWidget>

namespace gb {

FilePropertiesWin::FilePropertiesWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("File Properties"));
    const DialogUnits du = DialogUnits::setUp(this, 232, 214);
    mTabs = new QTabWidget(this);
    mTabs->setGeometry(du.rect(4, 4, 224, 184));
    mClose = new QPushButton(QStringLiteral("Close"), this);
    mClose->setGeometry(du.rect(174, 195, 53, 14));
    connect(mClose, &QPushButton::clicked, this, &FilePropertiesWin::pbClose);
    mGeneral = new GeneralPropertiesWin(this);
    mImage = new ImagePropertiesWin(this);
    mTabs->addTab(mGeneral, QStringLiteral("General Properties"));
    mTabs->addTab(mImage, QStringLiteral("Image Properties"));
    mTabs->setCurrentIndex(0);
}

void FilePropertiesWin::setFileName(const QString &file)
{
    mFileName = file;
    mGeneral->setFileName(file);
    mImage->setFileName(file);
}

void FilePropertiesWin::pbClose()
{
    done(1);
}

void fileProperties(QWidget *owner, const QString &file)
{
    FilePropertiesWin dialog(owner);
    dialog.setFileName(file);
    dialog.exec();
}

} // namespace gb
