#include "actions/selectfontwin.h"
#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "gallery/hgallery.h"
#include "gallery_setup/galleryjob.h"
#include "gallery_setup/hgfullsizepageswin.h"
#include "gallery_setup/hgmasterindexwin.h"
#include "gallery_setup/hgnavigationnextwin.h"
#include "gallery_setup/hgnavigationprevwin.h"
#include "gallery_setup/hgnavigationupwin.h"
#include "gallery_setup/hgoptionswin.h"
#include "gallery_setup/hgpropertieswin.h"
#include "gallery_setup/hgfullsizebatchwin.h"
#include "gallery_setup/hgthumbsbatchwin.h"
#include "gallery_setup/hgthumbsarrangewin.h"
#include "gallery_setup/hgthumbspages.h"
#include "gallery_setup/hgfullsizeimageswin.h"
#include "gallery_setup/hgthumbimageswin.h"
#include "image/previewft.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "../gallery/galleryfixture.h"
#include "support/modal.h"

#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <memory>

using gb::GalleryJob;
using gb::HGallery;
using gb::SectionPage;
using gb::WizardPageWin;

namespace {

template<class T>
T *control(QWidget *page, const char *name)
{
    T *w = page->findChild<T *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Every setting a page edits through its plain controls, set away from its default (texts
// with blanks where the page keeps them), so that a field shown or stored in the wrong place
// is caught.
void vary(HGallery &g)
{
    g.setThFormat(4); g.setThResize(3); g.setThWidth(321); g.setThHeight(123);
    g.setThImSubFolder("thumbsdir"); g.setThImNaming(3); g.setThImStdName("_s"); g.setThImSuffix("sfx");
    g.setThImPrefix("pfx"); g.setThImQuality(77); g.setThImProgressive(!g.thImProgressive());
    g.setThPgTitle(" Thumbs title "); g.setThPgTitleSeq(!g.thPgTitleSeq()); g.setThPgNaming(3);
    g.setThPgBaseName("tp"); g.setThPgSubFolder("tpages"); g.setThPgVarsBottom(!g.thPgVarsBottom());
    g.setBHtml_Th("<i>top</i>"); g.setAHtml_Th("<b>bottom</b>\nsecond line");
    g.setThRows(5); g.setThColumns(6); g.setThSpecifyTableWidth(!g.thSpecifyTableWidth()); g.setThTableWidth(640);
    g.setThTablePercent(!g.thTablePercent()); g.setThTableAlignment(4); g.setThTableBorderSize(7);
    g.setThTableCellPadding(8); g.setThTableCellSpacing(9); g.setThTableUseBackImage(!g.thTableUseBackImage());
    g.setThTableBackImage("/x/back.png");
    g.setFsImFormat(2); g.setFsImSubFolder(" fs "); g.setFsImNaming(2); g.setFsImStdAppendName(" _big");
    g.setFsImStdSuffix("s2 "); g.setFsImStdPrefix(" p2"); g.setFsImQuality(66); g.setFsImProgressive(!g.fsImProgressive());
    g.setCreateFullSizePages(!g.createFullSizePages()); g.setNewWindow(!g.newWindow()); g.setFsPgTitle(" Full ");
    g.setFsPgNaming(3); g.setFsPgBaseName("fp"); g.setFsPgSubFolder("fpages"); g.setFsPgVarsBottom(!g.fsPgVarsBottom());
    g.setBHtml_Fs("<hr>"); g.setAHtml_Fs("<p>end</p>");
    g.setCreateMasterIndex(!g.createMasterIndex()); g.setMasterIndexPage("mi.htm "); g.setMasterIndexTitle(" Index");
    g.setMasterIndexColumns(4); g.setMasterIndexLinkThumb(!g.masterIndexLinkThumb());
    g.setMasterIndexLinkPage(!g.masterIndexLinkPage()); g.setMasterIndexLinkText(!g.masterIndexLinkText());
    g.setMasterIndexStdLinkText("Page "); g.setBHtml_Mi("<em>a</em>"); g.setAHtml_Mi("<em>b</em>");
    g.setLink2Home(!g.link2Home()); g.setHomeTextLink("Home "); g.setLink2HomeWithImage(!g.link2HomeWithImage());
    g.setHomeImageLink("/i/h.gif"); g.setHomeUrl("http://example.org/ ");
    g.setLink2Up(!g.link2Up()); g.setUpTextLink("Up!"); g.setLink2UpWithImage(!g.link2UpWithImage()); g.setUpImageLink("/i/u.gif");
    g.setLink2Prev(!g.link2Prev()); g.setPrevTextLink("Back"); g.setLink2PrevWithImage(!g.link2PrevWithImage());
    g.setPrevImageLink("/i/p.gif");
    g.setLink2First(!g.link2First()); g.setFirstTextLink("Start"); g.setLink2FirstWithImage(!g.link2FirstWithImage());
    g.setFirstImageLink("/i/f.gif");
    g.setLink2Next(!g.link2Next()); g.setNextTextLink("On"); g.setLink2NextWithImage(!g.link2NextWithImage());
    g.setNextImageLink("/i/n.gif");
    g.setLink2Last(!g.link2Last()); g.setLastTextLink("End"); g.setLink2LastWithImage(!g.link2LastWithImage());
    g.setLastImageLink("/i/l.gif");
    g.setSiteTitle(" My site "); g.setUseLogo(!g.useLogo()); g.setLogoImage("/l.png "); g.setUseBackground(!g.useBackground());
    g.setBackground(" /b.png"); g.setSpecifyTopMargin(!g.specifyTopMargin()); g.setTopMargin(12);
    g.setSpecifyLeftMargin(!g.specifyLeftMargin()); g.setLeftMargin(34); g.setLinksOnTop(!g.linksOnTop());
    g.setMetaTags("<meta name=\"a\">\r\n<meta name=\"b\">"); g.setUseDefaultPageProperties(!g.useDefaultPageProperties());
    g.setAutoNumericStart(42); g.setNamePadChars(3); g.setClearBaseFolder(!g.clearBaseFolder()); g.setNamingCasing(1);
    g.setAuxSubFolder("aux "); g.setOverwrite(2); g.setLaunchHtml(!g.launchHtml()); g.setShowThumbs(!g.showThumbs());
    g.setHtmlExt(" .html");
    g.setThumbCommands({gb::defaultCommand(gb::ActionRotate).toValue()});
    g.setFsCommands({gb::defaultCommand(6).toValue(), gb::defaultCommand(gb::ActionRotate).toValue()});
}

// The pages bound to the gallery, as the window makes them.
struct BoundPages {
    GalleryJob job{nullptr};
    std::vector<std::unique_ptr<WizardPageWin>> pages;
    BoundPages()
    {
        pages.emplace_back(new gb::HgThumbImagesWin);
        pages.emplace_back(new gb::HgThumbsBatchWin);
        pages.emplace_back(new gb::HgThumbsPages);
        pages.emplace_back(new gb::HgThumbsArrangeWin);
        pages.emplace_back(new gb::HgFullSizeImagesWin);
        pages.emplace_back(new gb::HgFullSizeBatchWin);
        pages.emplace_back(new gb::HgFullSizePagesWin);
        pages.emplace_back(new gb::HgMasterIndexWin);
        pages.emplace_back(new gb::HgNavigationUpWin);
        pages.emplace_back(new gb::HgNavigationPrevWin);
        pages.emplace_back(new gb::HgNavigationNextWin);
        pages.emplace_back(new gb::HgPropertiesWin);
        pages.emplace_back(new gb::HgOptionsWin);
    }
    void connect() { for (auto &p : pages) p->connect2Source(&job); }
    void update() { for (auto &p : pages) p->updateObject(); }
    template<class P> P *page() const
    {
        for (auto &p : pages)
            if (auto *found = dynamic_cast<P *>(p.get()))
                return found;
        return nullptr;
    }
};

} // namespace

// Every setting of every page is shown from the gallery and stored back unchanged: bind the
// pages to a gallery with every field away from its default, put the defaults back behind
// their backs, and let the pages store what they show.
TEST(GalleryPages, EveryFieldOfEveryPageIsShownAndStoredBack)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    vary(g);
    const gb::ValueArray wanted = g.aData();
    bound.connect();
    g.setAData(HGallery().aData());
    bound.update();

    // Slots the pages write only through their buttons (fonts, item lists, colours), the
    // window's base folder and the slots no page edits stay out of the round trip.
    const std::set<int> notOnPlainControls = {14, 19, 21, 27, 28, 29, 47, 51, 53, 57, 64, 69, 70, 71, 72, 73,
                                              96, 97, 98, 99, 111, 115, 118, 127, 128};
    for (int slot = 1; slot <= HGallery::kSlots; ++slot) {
        if (notOnPlainControls.count(slot))
            continue;
        EXPECT_EQ(g.aData()[size_t(slot - 1)], wanted[size_t(slot - 1)]) << "slot " << slot;
    }
}

TEST(GalleryPages, PagesShowTheBoundValues)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    vary(bound.job.gallery());
    bound.connect();
    auto *thumbs = bound.page<gb::HgThumbImagesWin>();
    EXPECT_EQ(control<QComboBox>(thumbs, "FORMATTYPE")->currentText(), ".png: PiNG");
    EXPECT_EQ(control<QComboBox>(thumbs, "RESTYPE")->currentText(), "Fixed height - keep aspect ratio");
    EXPECT_EQ(control<QLineEdit>(thumbs, "WIDTH")->text(), "321");
    EXPECT_TRUE(control<QRadioButton>(thumbs, "APPENDSUFFIX")->isChecked());
    EXPECT_EQ(control<QAbstractSlider>(thumbs, "QUALITYSL")->value(), 77);
    auto *arrange = bound.page<gb::HgThumbsArrangeWin>();
    EXPECT_EQ(control<QComboBox>(arrange, "ALIGNMENT")->currentText(), "Right");
    EXPECT_EQ(control<QAbstractSlider>(arrange, "ROWSSP")->value(), 5);
    auto *options = bound.page<gb::HgOptionsWin>();
    EXPECT_TRUE(control<QRadioButton>(options, "LOWERCASE")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(options, "OVERNEVER")->isChecked());
    auto *script = bound.page<gb::HgFullSizeBatchWin>();
    ASSERT_EQ(script->commandsLb()->count(), 2);
    EXPECT_EQ(script->commandsLb()->item(0)->text(), gb::getActionDesc(6));
}

// A stored number longer than its edit's digits is shown whole and stored back unchanged, for
// validation to refuse, rather than cut to the edit's digits and passed on unnoticed.
TEST(GalleryPages, LongerStoredNumbersReachValidationWhole)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    g.setThWidth(2147483647);
    g.setTopMargin(12345);
    g.setNamePadChars(2147483647);
    bound.connect();
    EXPECT_EQ(control<QLineEdit>(bound.page<gb::HgThumbImagesWin>(), "WIDTH")->text(), "2147483647");
    bound.update();
    EXPECT_EQ(g.thWidth(), 2147483647);
    EXPECT_EQ(g.topMargin(), 12345);
    EXPECT_EQ(g.namePadChars(), 2147483647);
}

// The image settings pages trim the thumbnail texts and keep the full-size ones as typed.
TEST(GalleryPages, ImageSettingsTrimOnlyThumbnailTexts)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    bound.connect();
    for (const char *name : {"FOLDER", "APPENDNAME", "SUFFIX", "PREFIX"}) {
        control<QLineEdit>(bound.page<gb::HgThumbImagesWin>(), name)->setText(" a b ");
        control<QLineEdit>(bound.page<gb::HgFullSizeImagesWin>(), name)->setText(" a b ");
    }
    bound.update();
    const HGallery &g = bound.job.gallery();
    EXPECT_EQ(QStringList({g.thImSubFolder(), g.thImStdName(), g.thImSuffix(), g.thImPrefix()}),
              QStringList({"a b", "a b", "a b", "a b"}));
    EXPECT_EQ(QStringList({g.fsImSubFolder(), g.fsImStdAppendName(), g.fsImStdSuffix(), g.fsImStdPrefix()}),
              QStringList({" a b ", " a b ", " a b ", " a b "}));
}

TEST(GalleryPages, QualityIsCappedAt100AndTheSliderFollows)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    bound.connect();
    for (QWidget *page : std::initializer_list<QWidget *>{bound.page<gb::HgThumbImagesWin>(), bound.page<gb::HgFullSizeImagesWin>()}) {
        auto *edit = control<QLineEdit>(page, "JPGQUALITY");
        auto *slider = control<QAbstractSlider>(page, "QUALITYSL");
        edit->setText("150");
        EXPECT_EQ(edit->text(), "100");
        EXPECT_EQ(slider->value(), 100);
        edit->setText("0");
        EXPECT_EQ(slider->value(), 1);
        slider->setValue(40);
        EXPECT_EQ(edit->text(), "40");
        edit->setText("");
    }
    bound.update();
    EXPECT_EQ(bound.job.gallery().thImQuality(), 0);
    EXPECT_EQ(bound.job.gallery().fsImQuality(), 0);
}

TEST(GalleryPages, NamingAndResizeEnableRules)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    g.setThImNaming(7);
    g.setThResize(2);
    bound.connect();
    auto *page = bound.page<gb::HgThumbImagesWin>();
    for (const char *radio : {"SAME", "APPEND", "APPENDSUFFIX", "APPENDPREFIX"})
        EXPECT_FALSE(control<QRadioButton>(page, radio)->isChecked()) << radio;
    for (const char *field : {"APPENDNAME", "SUFFIX", "PREFIX", "HEIGHT"})
        EXPECT_FALSE(control<QLineEdit>(page, field)->isEnabled()) << field;
    EXPECT_TRUE(control<QLineEdit>(page, "WIDTH")->isEnabled());
    control<QLineEdit>(page, "HEIGHT")->setText("99");
    bound.update();
    EXPECT_EQ(g.thImNaming(), 7);
    EXPECT_EQ(g.thHeight(), 99); // disabled, yet stored

    // A new resize type takes effect at the next button click.
    control<QComboBox>(page, "RESTYPE")->setCurrentIndex(2);
    EXPECT_FALSE(control<QLineEdit>(page, "HEIGHT")->isEnabled());
    control<QRadioButton>(page, "APPENDPREFIX")->click();
    EXPECT_TRUE(control<QLineEdit>(page, "HEIGHT")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>(page, "WIDTH")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(page, "PREFIX")->isEnabled());
    control<QRadioButton>(page, "SAME")->click();
    EXPECT_FALSE(control<QLineEdit>(page, "PREFIX")->isEnabled());
}

TEST(GalleryPages, SwitchesEnableTheirControls)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    g.setCreateFullSizePages(false);
    g.setCreateMasterIndex(true);
    g.setMasterIndexLinkText(false);
    g.setLink2Home(true);
    g.setLink2HomeWithImage(false);
    bound.connect();

    auto *fs = bound.page<gb::HgFullSizePagesWin>();
    EXPECT_FALSE(control<QLineEdit>(fs, "TITLE")->isEnabled());
    EXPECT_FALSE(control<QListWidget>(fs, "SELLB")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>(fs, "OPENNEWWINDOW")->isEnabled());
    control<QCheckBox>(fs, "CREATEHTML")->click();
    EXPECT_TRUE(control<QPlainTextEdit>(fs, "THUMBBOTTOM")->isEnabled());

    auto *mi = bound.page<gb::HgMasterIndexWin>();
    EXPECT_FALSE(control<QLineEdit>(mi, "STDTEXT")->isEnabled());
    control<QCheckBox>(mi, "USESTDTEXT")->click();
    EXPECT_TRUE(control<QLineEdit>(mi, "STDTEXT")->isEnabled());
    control<QCheckBox>(mi, "MASTERINDEX")->click();
    for (const char *name : {"MASTERINDEXNAME", "TITLE", "NOOFCOLS", "STDTEXT"})
        EXPECT_FALSE(control<QLineEdit>(mi, name)->isEnabled()) << name;
    EXPECT_FALSE(control<QAbstractSlider>(mi, "LINKSCOLSSP")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(mi, "PBLINKFONT")->isEnabled());

    auto *up = bound.page<gb::HgNavigationUpWin>();
    EXPECT_TRUE(control<QLineEdit>(up, "HOMELINK")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>(up, "IMAGELINKHOME")->isEnabled());
    control<QCheckBox>(up, "USEIMAGEHOME")->click();
    EXPECT_TRUE(control<QLineEdit>(up, "IMAGELINKHOME")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(up, "HOMELINK")->isEnabled()); // its text is the alt text
    control<QCheckBox>(up, "LINK2HOME")->click();
    for (const char *name : {"HOMELINK", "IMAGELINKHOME", "HOMEURL"})
        EXPECT_FALSE(control<QLineEdit>(up, name)->isEnabled()) << name;

    auto *props = bound.page<gb::HgPropertiesWin>();
    control<QCheckBox>(props, "USEDEFAULTCOLORS")->setChecked(false);
    control<QCheckBox>(props, "USEDEFAULTCOLORS")->click();
    EXPECT_FALSE(control<QPushButton>(props, "PBCHANGELINKCOLOR")->isEnabled());
    EXPECT_FALSE(control<QLabel>(props, "HYPERLINKCOLORSAMPLE")->isEnabled());
    control<QCheckBox>(props, "SPECIFYTOPMARGIN")->setChecked(true);
    control<QCheckBox>(props, "SPECIFYTOPMARGIN")->click();
    EXPECT_FALSE(control<QLineEdit>(props, "TOPMARGIN")->isEnabled());

    auto *arrange = bound.page<gb::HgThumbsArrangeWin>();
    control<QCheckBox>(arrange, "SPECIFYWIDTH")->setChecked(true);
    control<QCheckBox>(arrange, "SPECIFYWIDTH")->click();
    EXPECT_FALSE(control<QRadioButton>(arrange, "PERCENTWIDTH")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>(arrange, "WIDTH")->isEnabled());
}

TEST(GalleryPages, InformationItemListEditor)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    bound.connect();
    auto *page = bound.page<gb::HgThumbsPages>();
    auto *avail = control<QListWidget>(page, "AVAILLB");
    auto *sel = control<QListWidget>(page, "SELLB");
    auto names = [sel] {
        QStringList n;
        for (int i = 0; i < sel->count(); ++i)
            n << sel->item(i)->text();
        return n;
    };
    EXPECT_EQ(names(), QStringList({"Image File Name", "Size in kb", "Width x Height"}));
    EXPECT_EQ(avail->count(), 11);

    // Missing selections are told, verbatim.
    for (const char *button : {"PBSELECT", "PBDESELECT", "PBMOVEUP", "PBMOVEDOWN"})
        control<QPushButton>(page, button)->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select an information to include", "Select an information to remove",
                                          "Select an information to move up", "Select an information to move down"}));
    EXPECT_EQ(ui.boxes[0].caption, "Info");

    avail->setCurrentRow(0); // already chosen: nothing happens
    control<QPushButton>(page, "PBSELECT")->click();
    avail->setCurrentRow(6); // "Title", written into the gallery at once
    control<QPushButton>(page, "PBSELECT")->click();
    EXPECT_EQ(g.thPgVars(), QList<int>({1, 2, 4, 10}));
    EXPECT_EQ(ui.boxes.size(), 4u);

    sel->setCurrentRow(0);
    control<QPushButton>(page, "PBMOVEUP")->click(); // first: nothing
    sel->setCurrentRow(3);
    control<QPushButton>(page, "PBMOVEDOWN")->click(); // last: nothing
    EXPECT_EQ(g.thPgVars(), QList<int>({1, 2, 4, 10}));
    control<QPushButton>(page, "PBMOVEUP")->click();
    EXPECT_EQ(g.thPgVars(), QList<int>({1, 2, 10, 4}));
    EXPECT_EQ(sel->currentRow(), 2);
    control<QPushButton>(page, "PBDESELECT")->click(); // the third: the second is selected
    EXPECT_EQ(g.thPgVars(), QList<int>({1, 2, 4}));
    EXPECT_EQ(sel->currentRow(), 1);
    sel->setCurrentRow(0);
    control<QPushButton>(page, "PBDESELECT")->click(); // the first: none is selected
    EXPECT_EQ(sel->currentRow(), -1);
    for (int i = 0; i < 2; ++i) {
        sel->setCurrentRow(0);
        control<QPushButton>(page, "PBDESELECT")->click();
    }
    EXPECT_TRUE(g.thPgVars().isEmpty());
    EXPECT_EQ(sel->count(), 0);

    // The full-size page edits its own list, with its own default.
    auto *fs = bound.page<gb::HgFullSizePagesWin>();
    EXPECT_EQ(control<QListWidget>(fs, "SELLB")->count(), 2);
    EXPECT_EQ(control<QListWidget>(fs, "SELLB")->item(1)->text(), "Width x Height");
}

TEST(GalleryPages, ColourButtonsWriteAtOnceAndCancelKeeps)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    bound.connect();
    const uint32_t oldCell = g.thTableCellColor();
    ui.colorAnswers = {std::optional<uint32_t>(0x123456), std::nullopt, std::optional<uint32_t>(255)};
    control<QPushButton>(bound.page<gb::HgThumbsArrangeWin>(), "PBCHANGETABLECOLOR")->click();
    control<QPushButton>(bound.page<gb::HgThumbsArrangeWin>(), "PBCHANGECELLCOLOR")->click();
    control<QPushButton>(bound.page<gb::HgPropertiesWin>(), "PBCHANGEVISITEDLINKCOLOR")->click();
    EXPECT_EQ(g.thTableBackColor(), 0x123456u);
    EXPECT_EQ(g.thTableCellColor(), oldCell);
    EXPECT_EQ(g.visitedLinkColor(), 255u);

    // Loading other settings shows their colours: the change is gone.
    g.setAData(HGallery().aData());
    bound.connect();
    EXPECT_EQ(g.thTableBackColor(), HGallery().thTableBackColor());
}

// A font button opens the font dialog with its caption and the gallery's font; Ok stores
// the font at once, Cancel keeps it.
TEST(GalleryPages, FontButtonsOpenTheirDialog)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    bound.connect();
    struct Case { QWidget *page; const char *button; const char *caption; std::function<gb::FontData()> font; };
    const std::vector<Case> cases = {
        {bound.page<gb::HgThumbsPages>(), "PBTHUMBSPAGESTITLEFONT", "Thumbnails pages title font", [&] { return g.thPgTitleFont(); }},
        {bound.page<gb::HgThumbsPages>(), "PBINFOFONT", "Thumbnails pages information font", [&] { return g.thPgVarsFont(); }},
        {bound.page<gb::HgFullSizePagesWin>(), "PBTITLEFONT", "Full Size Image Pages Title Font", [&] { return g.fsPgTitleFont(); }},
        {bound.page<gb::HgFullSizePagesWin>(), "PBINFOFONT", "Full Size Image Pages Font", [&] { return g.fsPgVarsFont(); }},
        {bound.page<gb::HgMasterIndexWin>(), "PBCHANGEFONT", "Master Index Title Font", [&] { return g.masterIndexTitleFont(); }},
        {bound.page<gb::HgMasterIndexWin>(), "PBLINKFONT", "Links to thumbnails font", [&] { return g.masterIndexLinkFont(); }},
        {bound.page<gb::HgPropertiesWin>(), "PBCHANGEFONT", "Site Title Font", [&] { return g.siteTitleFont(); }},
        {bound.page<gb::HgPropertiesWin>(), "PBLINKFONT", "Link to other pages font", [&] { return g.linkFont(); }},
    };
    for (const Case &c : cases) {
        const gb::FontData before = c.font();
        QString caption;
        gbtest::whenModal([&caption](QWidget *w) {
            auto *dialog = qobject_cast<gb::SelectFontWin *>(w);
            ASSERT_NE(dialog, nullptr);
            caption = dialog->windowTitle();
            dialog->underlineBox()->setChecked(!dialog->underlineBox()->isChecked());
            dialog->cancelButton()->click();
        });
        control<QPushButton>(c.page, c.button)->click();
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(c.font(), before) << c.caption;
        gbtest::whenModal([](QWidget *w) {
            auto *dialog = qobject_cast<gb::SelectFontWin *>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->underlineBox()->setChecked(!dialog->underlineBox()->isChecked());
            dialog->okButton()->click();
        });
        control<QPushButton>(c.page, c.button)->click();
        EXPECT_EQ(c.font().underline, !before.underline) << c.caption;
    }
}

TEST(GalleryPages, ArrangementSpinnersKeepStepWithTheirEdits)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    bound.connect();
    auto *page = bound.page<gb::HgThumbsArrangeWin>();
    control<QLineEdit>(page, "TABLEROWS")->setText("12");
    EXPECT_EQ(control<QAbstractSlider>(page, "ROWSSP")->value(), 12);
    control<QAbstractSlider>(page, "CELLSPACINGSP")->setValue(5);
    EXPECT_EQ(control<QLineEdit>(page, "CELLSPACING")->text(), "5");
    control<QLineEdit>(page, "TABLECOLS")->setText("0");
    control<QLineEdit>(page, "WIDTH")->setText("80%");
    control<QComboBox>(page, "ALIGNMENT")->setCurrentText("Center");
    bound.update();
    const HGallery &g = bound.job.gallery();
    EXPECT_EQ(g.thRows(), 12);
    EXPECT_EQ(g.thColumns(), 0);
    EXPECT_EQ(g.thTableWidth(), 80);
    EXPECT_EQ(g.thTableAlignment(), 3);

    auto *mi = bound.page<gb::HgMasterIndexWin>();
    control<QLineEdit>(mi, "NOOFCOLS")->setText("7");
    EXPECT_EQ(control<QAbstractSlider>(mi, "LINKSCOLSSP")->value(), 7);
}

// The image fields of the navigation, arrangement and properties pages preview what they
// name: nothing while the path names no file, the picture once it does.
TEST(GalleryPages, ImagePathsArePreviewed)
{
    gbtest::ScriptedUi ui;
    const QString folder = (gbtest::makeTempDir() + "/");
    ASSERT_TRUE(gbtest::makeImage(folder + "small.png", 20, 10));
    ASSERT_TRUE(gbtest::makeImage(folder + "large.png", 800, 400));
    BoundPages bound;
    bound.connect();
    auto *prev = bound.page<gb::HgNavigationPrevWin>();
    auto *pane = control<gb::PreviewFt>(prev, "PREVIEWFT1");
    auto *field = control<QLineEdit>(prev, "IMAGELINKFIRST");
    field->setText(folder + "small.pn");
    EXPECT_EQ(pane->image(), nullptr);
    field->setText(folder + "small.png ");
    ASSERT_NE(pane->image(), nullptr);
    EXPECT_EQ(pane->image()->width(), 20);
    field->setText(folder + "large.png");
    ASSERT_NE(pane->image(), nullptr);
    EXPECT_LE(pane->image()->width(), pane->width() - 2);
    EXPECT_EQ(control<gb::PreviewFt>(prev, "PREVIEWFT")->image(), nullptr);

    // Browsing fills the field (and so the preview); a cancelled dialog changes nothing.
    ui.openAnswers = {QStringList{folder + "small.png"}, QStringList{}};
    auto *props = bound.page<gb::HgPropertiesWin>();
    control<QCheckBox>(props, "USELOGO")->click(); // the browse button follows the check box
    control<QPushButton>(props, "PBBROWSELOGO")->click();
    EXPECT_EQ(control<QLineEdit>(props, "LOGO")->text(), folder + "small.png");
    EXPECT_EQ(ui.dialogs.back().caption, "Select an image to be used as logo image");
    EXPECT_NE(control<gb::PreviewFt>(props, "LOGOFT")->image(), nullptr);
    control<QPushButton>(props, "PBBROWSELOGO")->click();
    EXPECT_EQ(control<QLineEdit>(props, "LOGO")->text(), folder + "small.png");

    auto *arrange = bound.page<gb::HgThumbsArrangeWin>();
    control<QLineEdit>(arrange, "BACKGROUND")->setText("  " + folder + "large.png  ");
    EXPECT_NE(arrange->previewPane()->image(), nullptr);
    bound.update();
    EXPECT_EQ(bound.job.gallery().thTableBackImage(), folder + "large.png");
}

// The script pages edit the gallery's two scripts; the gallery keeps a copy of its own.
TEST(GalleryPages, ScriptPagesEditTheirOwnScript)
{
    gbtest::ScriptedUi ui;
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    g.setThumbCommands({gb::defaultCommand(gb::ActionRotate).toValue()});
    bound.connect();
    auto *thumbs = bound.page<gb::HgThumbsBatchWin>();
    auto *full = bound.page<gb::HgFullSizeBatchWin>();
    EXPECT_EQ(thumbs->commandsLb()->count(), 1);
    EXPECT_EQ(full->commandsLb()->count(), 0);
    ASSERT_NE(control<QLabel>(thumbs, "FIXEDTEXT1"), nullptr);
    EXPECT_TRUE(control<QLabel>(thumbs, "FIXEDTEXT1")->text().startsWith("The following processing commands"));

    thumbs->commandsLb()->setCurrentRow(0);
    ui.boxAnswers = {gb::UiSeam::ResultYes};
    thumbs->pbRemove();
    EXPECT_EQ(g.thumbCommands().size(), 1u); // not yet gathered
    bound.update();
    EXPECT_TRUE(g.thumbCommands().empty());
    EXPECT_TRUE(g.fsCommands().empty());
}

// Test Script on the thumbnail page applies the page's script alone: the sample keeps its
// own size (the generator's thumbnail resize is not part of it), and two tests of a quarter
// turn make a half turn.
TEST(GalleryPages, ThumbnailScriptIsTestedAtTheSampleSize)
{
    gbtest::ScriptedUi ui;
    const QString folder = gbtest::makeTempDir() + "/";
    ASSERT_TRUE(gbtest::makeImage(folder + "sample.png", 300, 200));
    BoundPages bound;
    HGallery &g = bound.job.gallery();
    g.setThWidth(80);
    g.setThHeight(80);
    g.setThumbCommands({gb::BatchCommand::make(gb::ActionRotate, {gb::Value(90.0), gb::Value(0)}).toValue()});
    bound.connect();
    auto *thumbs = bound.page<gb::HgThumbsBatchWin>();
    ASSERT_TRUE(thumbs->setSampleFile(folder + "sample.png"));
    thumbs->pbTest();
    EXPECT_EQ(thumbs->sample().width(), 200);
    EXPECT_EQ(thumbs->sample().height(), 300);
    thumbs->pbTest();
    EXPECT_EQ(thumbs->sample().width(), 300);
    EXPECT_EQ(thumbs->sample().height(), 200);
}
