#include "gallery_setup/pageslayoutpage.h"

#include "actions/selectfontwin.h"
#include "resources/resourceclasses.h"
#include "gallery/hgallery.h"
#include "gallery_setup/pagefields.h"

#include <QLabel>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace gb {

PagesLayoutPage::PagesLayoutPage(QWidget *owner, int controlId, bool fullSize) : SectionPage(owner, controlId)
{
    const QString pages = fullSize ? QStringLiteral("full size image pages") : QStringLiteral("thumbnails pages");
    const QString names = fullSize ? QStringLiteral("full size images hmtl pages") : QStringLiteral("thumbnails hmtl pages");
    mTitle = pageEdit(this, QStringLiteral("TITLE"),
                      QStringLiteral("Enter a description to be used as title for each %1")
                          .arg(fullSize ? QStringLiteral("full size image page") : QStringLiteral("thumbnails page")));
    mTitleFont = pictureButton(this, fullSize ? QStringLiteral("PBTITLEFONT") : QStringLiteral("PBTHUMBSPAGESTITLEFONT"),
                               FontBm(), QStringLiteral("Change page title font"));

    auto *naming = new QGroupBox(fullSize ? QStringLiteral("Full Size Image Pages Naming")
                                          : QStringLiteral("Thumbnails Pages Naming"),
                                 this);
    naming->setObjectName(QStringLiteral("GROUPBOX4"));
    mPrefix = pageRadio(naming, QStringLiteral("PREFIXTHUMBPAGES"), QStringLiteral("Auto Prefix"),
                        QStringLiteral("Generate %1 names automatically, using a standard prefix").arg(names));
    mSuffix = pageRadio(naming, QStringLiteral("SUFFIXTHUMBPAGES"), QStringLiteral("Auto Suffix"),
                        QStringLiteral("Generate %1 names automatically, using a standard suffix").arg(names));
    mBaseName = pageEdit(naming, QStringLiteral("THUMBSPAGESBASENAME"),
                         QStringLiteral("Page base name that will be used for automatically generated page names"));
    auto *namingLayout = new QHBoxLayout(naming);
    namingLayout->addWidget(mPrefix);
    namingLayout->addWidget(mSuffix);
    namingLayout->addWidget(mBaseName, 1);
    mFolder = pageEdit(this, QStringLiteral("THUMBSPAGESFOLDER"),
                       QStringLiteral("Place %1 in a subfolder of base folder").arg(pages));

    auto *info = new QGroupBox(fullSize ? QStringLiteral("Include with each full size image the following information ... ")
                                        : QStringLiteral("Include with each thumbnail the following information ... "),
                               this);
    info->setObjectName(QStringLiteral("GROUPBOX1"));
    const QString kind = fullSize ? QStringLiteral("full size image") : QStringLiteral("thumbnail");
    const QString infoPages = fullSize ? QStringLiteral("full size image pages") : QStringLiteral("thumbnails page");
    InfoListEditor::Texts varTexts{{},
                                   QStringLiteral("Available information to include with each %1").arg(kind),
                                   QStringLiteral("Selected information to include with each %1").arg(kind),
                                   QStringLiteral("Includes selected information to %1").arg(infoPages),
                                   QStringLiteral("Removes selected information from %1").arg(infoPages),
                                   QStringLiteral("Move up selected information (write earlier)"),
                                   QStringLiteral("Move down selected information (write later)"),
                                   QStringLiteral("Select an information to include"),
                                   QStringLiteral("Select an information to remove"),
                                   QStringLiteral("Select an information to move up"),
                                   QStringLiteral("Select an information to move down")};
    mVars = new InfoListEditor(info, varTexts, getVars());
    mWriteAfter = pageCheck(info, QStringLiteral("WRITEAFTERTHUMBNAIL"),
                            fullSize ? QStringLiteral("Write at image bottom") : QStringLiteral("Write at thumbnail bottom"),
                            fullSize ? QStringLiteral("Set this option to write selected information at the bottom of "
                                                      "each full size image")
                                     : QStringLiteral("Set this option to write selected information at the bottom of "
                                                      "each thumbnail"));
    mInfoFont = pictureButton(info, QStringLiteral("PBINFOFONT"), FontBm(),
                              QStringLiteral("Select information font attributes"));
    auto *infoLayout = new QGridLayout(info);
    infoLayout->addWidget(mVars->widget(), 0, 0, 1, 3);
    infoLayout->addWidget(mWriteAfter, 1, 0);
    infoLayout->addWidget(mInfoFont, 1, 1);
    infoLayout->setColumnStretch(2, 1);

    QGroupBox *html = userHtmlGroup(this, mTopHtml, mBottomHtml,
                                    {QStringLiteral("FIXEDTEXT2"), QStringLiteral("FIXEDTEXT4")}, true);

    auto *grid = new QGridLayout(this);
    mTop = new QGridLayout;
    mTop->addWidget(fixedText(this, fullSize ? QStringLiteral("Page Title:") : QStringLiteral("Title:"),
                              QStringLiteral("FIXEDTEXT1")), 0, 0);
    mTop->addWidget(mTitle, 0, 1);
    mTop->addWidget(mTitleFont, 0, 2);
    mTop->setColumnStretch(1, 1);
    grid->addLayout(mTop, 0, 0, 1, 3);
    grid->addWidget(naming, 1, 0);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(fixedText(this, QStringLiteral("Save In Subfolder:"), QStringLiteral("FIXEDTEXT3")));
    folderRow->addWidget(mFolder, 1);
    grid->addLayout(folderRow, 1, 1);
    grid->addWidget(info, 2, 0);
    grid->addWidget(html, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(2, 1);
}

void PagesLayoutPage::bindVars(std::function<QList<int>()> get, std::function<void(const QList<int> &)> set)
{
    mVars->bind(
        [get = std::move(get)] {
            const QList<int> codes = get();
            return InfoListEditor::Codes(codes.begin(), codes.end());
        },
        [set = std::move(set)](const InfoListEditor::Codes &codes) { set(QList<int>(codes.begin(), codes.end())); });
}

std::vector<CodedButton> PagesLayoutPage::namingButtons() const
{
    return {{mPrefix, 4}, {mSuffix, 3}};
}

void PagesLayoutPage::showNaming(int naming)
{
    checkByCode(namingButtons(), naming);
}

int PagesLayoutPage::readNaming(int stored) const
{
    return codeOfChecked(namingButtons(), stored);
}

} // namespace gb
