#pragma once

#include "gallery_setup/sectionpage.h"
#include "platform/imagelib/rgbimage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace gb {

class PreviewFt;

// The three navigation pages (Home/Up, Previous/First, Next/Last) of the gallery window.
// Each holds two link blocks; a block edits one link of the navigation bar: whether it is
// shown, its text, whether it is an image button and the button's image file, with a
// browse button and a preview of the image. The Home block also holds the home address.
// Nothing is checked here: validation at Do It reports what a switched-on link lacks.
class HgNavigationWin : public SectionPage
{
    Q_OBJECT
public:
    // The slots one link block edits, as gallery accessors.
    struct LinkSlots {
        bool (HGallery::*link)() const;
        void (HGallery::*setLink)(bool);
        QString (HGallery::*text)() const;
        void (HGallery::*setText)(const QString &);
        bool (HGallery::*withImage)() const;
        void (HGallery::*setWithImage)(bool);
        QString (HGallery::*image)() const;
        void (HGallery::*setImage)(const QString &);
    };
    // The words of one link block.
    struct LinkTexts {
        QString suffix;       // "HOME": control names end with it
        QString linkName;     // "LINK2HOME"
        QString textName;     // "HOMELINK"
        QString groupCaption; // "Link to Home Page"
        QString checkCaption;
        QString checkTip;
        QString textTip;
        QString browseTitle;
    };
    struct LinkBlock {
        LinkSlots bind;
        QString browseTitle;
        QCheckBox *link = nullptr;
        QLineEdit *text = nullptr;
        QCheckBox *useImage = nullptr;
        QLineEdit *image = nullptr;
        QPushButton *browse = nullptr;
        PreviewFt *preview = nullptr;
        RgbImage previewBlock;
    };

    void connect2Source(HGallery *gallery) override;
    void updateObject() override;
    void adjustControls();
    void previewFile();
    void previewFile1();

protected:
    // withHomeUrl adds the "Home URL:" field to the first block.
    HgNavigationWin(QWidget *owner, int controlId, const QString &name, const LinkTexts &first, const LinkSlots &firstSlots,
                    const LinkTexts &second, const LinkSlots &secondSlots, bool withHomeUrl);

private:
    void buildBlock(int n, const LinkTexts &texts, const LinkSlots &bind);
    void preview(LinkBlock &block);
    void browse(LinkBlock &block);

    LinkBlock mBlocks[2];
    QLineEdit *mHomeUrl = nullptr;
};

} // namespace gb
