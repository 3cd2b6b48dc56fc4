#pragma once

#include "actions/fontdata.h"
#include "common/dialogcontrols.h"
#include "gallery_setup/sectionpage.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace gb {

// What the thumbnail page layout page and the full-size page layout page share: the page
// title with its font, the naming of the page files (auto prefix or suffix to a base name),
// their subfolder, the information items with their side and font, and the user's HTML
// before the title and after everything else. The two pages bind these to their own
// settings and add their own options.
class PagesLayoutPage : public SectionPage
{
    Q_OBJECT
public:
    QLineEdit *titleEdit() const { return mTitle; }

protected:
    // fullSize picks the captions and tooltips of the full-size pages.
    PagesLayoutPage(QWidget *owner, int controlId, bool fullSize);

    // Binds the information items to the gallery's list of codes.
    void bindVars(std::function<QList<int>()> get, std::function<void(const QList<int> &)> set);

    // Shows the naming code (4 prefix, 3 suffix, anything else neither) and reads it back,
    // keeping the stored code when neither button is on.
    void showNaming(int naming);
    int readNaming(int stored) const;
    std::vector<CodedButton> namingButtons() const;

    QGridLayout *mTop; // title row; the pages add their own options to it
    QLineEdit *mTitle;
    QPushButton *mTitleFont;
    QRadioButton *mPrefix;
    QRadioButton *mSuffix;
    QLineEdit *mBaseName;
    QLineEdit *mFolder;
    InfoListEditor *mVars;
    QCheckBox *mWriteAfter;
    QPushButton *mInfoFont;
    QPlainTextEdit *mTopHtml;
    QPlainTextEdit *mBottomHtml;
};

} // namespace gb
