#pragma once

#include "actions/fontdata.h"
#include "platform/table/value.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <utility>
#include <vector>

class QWidget;

namespace gb {

class Be;

// The kind of a generated gallery page; it names the folder the page lies in.
enum GalleryPageKind { GalleryThumbPage = 1, GalleryFullSizePage = 2, GalleryMasterIndex = 3 };

// The line end of every generated HTML line.
const QString &galleryCrLf();

// One image of a gallery as the pages print it. Widths and heights are decimal digits, or
// empty when the file's dimensions could not be read; the full-size fields are empty (and
// byteSize 0) when the gallery has no full-size images.
struct GalleryImage
{
    QString thumbFile;
    QString thumbWidth;
    QString thumbHeight;
    QString fullFile;
    QString fullWidth;
    QString fullHeight;
    QString fullPage; // file name of the image's own page; empty without full-size pages
    qint64 byteSize = 0;
    QString title;
    QString comment;
};

// One thumbnail page: its file name (no folder) and its images in display order.
struct GalleryPage
{
    QString name;
    std::vector<GalleryImage> images;
};
using GalleryPages = std::vector<GalleryPage>;

// Title and comment of one source image, index-aligned with the source list.
using GalleryTitle = std::pair<QString, QString>;
using GalleryTitles = std::vector<GalleryTitle>;

// What one generation run did, for the window that started it.
struct GalleryRunResult
{
    QStringList problems; // settings problems or output clashes; nothing was written
    QStringList failures; // images, pages and copies that failed during the run
    bool aborted = false;
    bool completed() const { return problems.isEmpty() && !aborted; }
};

// The web gallery job: every setting of one gallery in a fixed array of 130 slots, and the
// whole generation (validation, output folders, images through the batch job, the division
// into pages and the HTML pages with their navigation links).
//
// Make one with its owner window (the owner of every box and progress window a run opens)
// and, optionally, a stored settings array. The array is what the settings database keeps;
// slots are read and written through accessors named after them. A read of an array-valued
// slot gives a copy; write it back to change the setting.
class HGallery
{
public:
    static constexpr int kSlots = 130;

    // A FONTDATA record; on gallery pages the size is an HTML font size 1 to 7.
    using FontData = gb::FontData;

    explicit HGallery(QWidget *owner = nullptr);
    // Takes a stored settings array: 128 slots get 129 and 130 as FALSE; a shorter array is
    // padded with the defaults, and any slot whose value is not of the slot's type takes its
    // default, so a damaged record never gives a value of the wrong kind.
    HGallery(QWidget *owner, ValueArray stored);

    // Every slot back to its default. The navigation buttons default to the image buttons of
    // the support folder that exist there.
    HGallery &initialize();

    const ValueArray &aData() const { return mAData; }
    // Replaces the whole array, completed and type-checked as a stored array is.
    void setAData(ValueArray stored);

    QWidget *oOwner() const { return mOOwner; }
    QString cPageExt() const { return mCPageExt; }

    // ---- Settings (slot numbers as stored) ----
    int thFormat() const { return number(1); }
    void setThFormat(int v) { setNumber(1, v); }
    int thResize() const { return number(2); }
    void setThResize(int v) { setNumber(2, v); }
    int thWidth() const { return number(3); }
    void setThWidth(int v) { setNumber(3, v); }
    int thHeight() const { return number(4); }
    void setThHeight(int v) { setNumber(4, v); }
    QString thImSubFolder() const { return text(5); }
    void setThImSubFolder(const QString &v) { setText(5, v); }
    int thImNaming() const { return number(6); }
    void setThImNaming(int v) { setNumber(6, v); }
    QString thImStdName() const { return text(7); }
    void setThImStdName(const QString &v) { setText(7, v); }
    QString thImSuffix() const { return text(8); }
    void setThImSuffix(const QString &v) { setText(8, v); }
    QString thImPrefix() const { return text(9); }
    void setThImPrefix(const QString &v) { setText(9, v); }
    int thImQuality() const { return number(10); }
    void setThImQuality(int v) { setNumber(10, v); }
    bool thImProgressive() const { return logic(11); }
    void setThImProgressive(bool v) { setLogic(11, v); }
    ValueArray thumbCommands() const { return script(12); }
    void setThumbCommands(const ValueArray &v) { setScript(12, v); }
    QString thPgTitle() const { return text(13); }
    void setThPgTitle(const QString &v) { setText(13, v); }
    FontData thPgTitleFont() const { return font(14); }
    void setThPgTitleFont(const FontData &v) { setFont(14, v); }
    bool thPgTitleSeq() const { return logic(15); }
    void setThPgTitleSeq(bool v) { setLogic(15, v); }
    int thPgNaming() const { return number(16); }
    void setThPgNaming(int v) { setNumber(16, v); }
    QString thPgBaseName() const { return text(17); }
    void setThPgBaseName(const QString &v) { setText(17, v); }
    QString thPgSubFolder() const { return text(18); }
    void setThPgSubFolder(const QString &v) { setText(18, v); }
    QList<int> thPgVars() const { return codes(19); }
    void setThPgVars(const QList<int> &v) { setCodes(19, v); }
    bool thPgVarsBottom() const { return logic(20); }
    void setThPgVarsBottom(bool v) { setLogic(20, v); }
    FontData thPgVarsFont() const { return font(21); }
    void setThPgVarsFont(const FontData &v) { setFont(21, v); }
    int thRows() const { return number(22); }
    void setThRows(int v) { setNumber(22, v); }
    int thColumns() const { return number(23); }
    void setThColumns(int v) { setNumber(23, v); }
    bool thSpecifyTableWidth() const { return logic(24); }
    void setThSpecifyTableWidth(bool v) { setLogic(24, v); }
    int thTableWidth() const { return number(25); }
    void setThTableWidth(int v) { setNumber(25, v); }
    bool thTablePercent() const { return logic(26); }
    void setThTablePercent(bool v) { setLogic(26, v); }
    uint32_t thTableBackColor() const { return color(27); }
    void setThTableBackColor(uint32_t v) { setColor(27, v); }
    uint32_t thTableCellColor() const { return color(28); }
    void setThTableCellColor(uint32_t v) { setColor(28, v); }
    uint32_t thTableBorderColor() const { return color(29); }
    void setThTableBorderColor(uint32_t v) { setColor(29, v); }
    int thTableAlignment() const { return number(30); }
    void setThTableAlignment(int v) { setNumber(30, v); }
    int thTableBorderSize() const { return number(31); }
    void setThTableBorderSize(int v) { setNumber(31, v); }
    int thTableCellPadding() const { return number(32); }
    void setThTableCellPadding(int v) { setNumber(32, v); }
    int thTableCellSpacing() const { return number(33); }
    void setThTableCellSpacing(int v) { setNumber(33, v); }
    bool thTableUseBackImage() const { return logic(34); }
    void setThTableUseBackImage(bool v) { setLogic(34, v); }
    QString thTableBackImage() const { return text(35); }
    void setThTableBackImage(const QString &v) { setText(35, v); }
    int fsImFormat() const { return number(36); }
    void setFsImFormat(int v) { setNumber(36, v); }
    QString fsImSubFolder() const { return text(37); }
    void setFsImSubFolder(const QString &v) { setText(37, v); }
    int fsImNaming() const { return number(38); }
    void setFsImNaming(int v) { setNumber(38, v); }
    QString fsImStdAppendName() const { return text(39); }
    void setFsImStdAppendName(const QString &v) { setText(39, v); }
    QString fsImStdSuffix() const { return text(40); }
    void setFsImStdSuffix(const QString &v) { setText(40, v); }
    QString fsImStdPrefix() const { return text(41); }
    void setFsImStdPrefix(const QString &v) { setText(41, v); }
    int fsImQuality() const { return number(42); }
    void setFsImQuality(int v) { setNumber(42, v); }
    bool fsImProgressive() const { return logic(43); }
    void setFsImProgressive(bool v) { setLogic(43, v); }
    bool createFullSizePages() const { return logic(44); }
    void setCreateFullSizePages(bool v) { setLogic(44, v); }
    ValueArray fsCommands() const { return script(45); }
    void setFsCommands(const ValueArray &v) { setScript(45, v); }
    QString fsPgTitle() const { return text(46); }
    void setFsPgTitle(const QString &v) { setText(46, v); }
    FontData fsPgTitleFont() const { return font(47); }
    void setFsPgTitleFont(const FontData &v) { setFont(47, v); }
    int fsPgNaming() const { return number(48); }
    void setFsPgNaming(int v) { setNumber(48, v); }
    QString fsPgBaseName() const { return text(49); }
    void setFsPgBaseName(const QString &v) { setText(49, v); }
    QString fsPgSubFolder() const { return text(50); }
    void setFsPgSubFolder(const QString &v) { setText(50, v); }
    QList<int> fsPgVars() const { return codes(51); }
    void setFsPgVars(const QList<int> &v) { setCodes(51, v); }
    bool fsPgVarsBottom() const { return logic(52); }
    void setFsPgVarsBottom(bool v) { setLogic(52, v); }
    FontData fsPgVarsFont() const { return font(53); }
    void setFsPgVarsFont(const FontData &v) { setFont(53, v); }
    bool createMasterIndex() const { return logic(54); }
    void setCreateMasterIndex(bool v) { setLogic(54, v); }
    QString masterIndexPage() const { return text(55); }
    void setMasterIndexPage(const QString &v) { setText(55, v); }
    QString masterIndexTitle() const { return text(56); }
    void setMasterIndexTitle(const QString &v) { setText(56, v); }
    FontData masterIndexTitleFont() const { return font(57); }
    void setMasterIndexTitleFont(const FontData &v) { setFont(57, v); }
    int masterIndexColumns() const { return number(58); }
    void setMasterIndexColumns(int v) { setNumber(58, v); }
    bool masterIndexLinkThumb() const { return logic(59); }
    void setMasterIndexLinkThumb(bool v) { setLogic(59, v); }
    bool masterIndexLinkPage() const { return logic(60); }
    void setMasterIndexLinkPage(bool v) { setLogic(60, v); }
    bool masterIndexLinkText() const { return logic(61); }
    void setMasterIndexLinkText(bool v) { setLogic(61, v); }
    QString masterIndexStdLinkText() const { return text(62); }
    void setMasterIndexStdLinkText(const QString &v) { setText(62, v); }
    QString siteTitle() const { return text(63); }
    void setSiteTitle(const QString &v) { setText(63, v); }
    FontData siteTitleFont() const { return font(64); }
    void setSiteTitleFont(const FontData &v) { setFont(64, v); }
    bool useLogo() const { return logic(65); }
    void setUseLogo(bool v) { setLogic(65, v); }
    QString logoImage() const { return text(66); }
    void setLogoImage(const QString &v) { setText(66, v); }
    bool useBackground() const { return logic(67); }
    void setUseBackground(bool v) { setLogic(67, v); }
    QString background() const { return text(68); }
    void setBackground(const QString &v) { setText(68, v); }
    uint32_t backgroundColor() const { return color(69); }
    void setBackgroundColor(uint32_t v) { setColor(69, v); }
    uint32_t textColor() const { return color(70); }
    void setTextColor(uint32_t v) { setColor(70, v); }
    uint32_t linkColor() const { return color(71); }
    void setLinkColor(uint32_t v) { setColor(71, v); }
    uint32_t visitedLinkColor() const { return color(72); }
    void setVisitedLinkColor(uint32_t v) { setColor(72, v); }
    uint32_t activeLinkColor() const { return color(73); }
    void setActiveLinkColor(uint32_t v) { setColor(73, v); }
    bool specifyTopMargin() const { return logic(74); }
    void setSpecifyTopMargin(bool v) { setLogic(74, v); }
    int topMargin() const { return number(75); }
    void setTopMargin(int v) { setNumber(75, v); }
    bool specifyLeftMargin() const { return logic(76); }
    void setSpecifyLeftMargin(bool v) { setLogic(76, v); }
    int leftMargin() const { return number(77); }
    void setLeftMargin(int v) { setNumber(77, v); }
    bool linksOnTop() const { return logic(78); }
    void setLinksOnTop(bool v) { setLogic(78, v); }
    bool link2Home() const { return logic(79); }
    void setLink2Home(bool v) { setLogic(79, v); }
    QString homeTextLink() const { return text(80); }
    void setHomeTextLink(const QString &v) { setText(80, v); }
    bool link2HomeWithImage() const { return logic(81); }
    void setLink2HomeWithImage(bool v) { setLogic(81, v); }
    QString homeImageLink() const { return text(82); }
    void setHomeImageLink(const QString &v) { setText(82, v); }
    QString homeUrl() const { return text(83); }
    void setHomeUrl(const QString &v) { setText(83, v); }
    bool link2Up() const { return logic(84); }
    void setLink2Up(bool v) { setLogic(84, v); }
    QString upTextLink() const { return text(85); }
    void setUpTextLink(const QString &v) { setText(85, v); }
    bool link2UpWithImage() const { return logic(86); }
    void setLink2UpWithImage(bool v) { setLogic(86, v); }
    QString upImageLink() const { return text(87); }
    void setUpImageLink(const QString &v) { setText(87, v); }
    bool link2Prev() const { return logic(88); }
    void setLink2Prev(bool v) { setLogic(88, v); }
    QString prevTextLink() const { return text(89); }
    void setPrevTextLink(const QString &v) { setText(89, v); }
    bool link2PrevWithImage() const { return logic(90); }
    void setLink2PrevWithImage(bool v) { setLogic(90, v); }
    QString prevImageLink() const { return text(91); }
    void setPrevImageLink(const QString &v) { setText(91, v); }
    bool link2Next() const { return logic(92); }
    void setLink2Next(bool v) { setLogic(92, v); }
    QString nextTextLink() const { return text(93); }
    void setNextTextLink(const QString &v) { setText(93, v); }
    bool link2NextWithImage() const { return logic(94); }
    void setLink2NextWithImage(bool v) { setLogic(94, v); }
    QString nextImageLink() const { return text(95); }
    void setNextImageLink(const QString &v) { setText(95, v); }
    FontData linkFont() const { return font(96); }
    void setLinkFont(const FontData &v) { setFont(96, v); }
    QString bHtml_Mi() const { return text(100); }
    void setBHtml_Mi(const QString &v) { setText(100, v); }
    QString aHtml_Mi() const { return text(101); }
    void setAHtml_Mi(const QString &v) { setText(101, v); }
    QString bHtml_Th() const { return text(102); }
    void setBHtml_Th(const QString &v) { setText(102, v); }
    QString aHtml_Th() const { return text(103); }
    void setAHtml_Th(const QString &v) { setText(103, v); }
    QString bHtml_Fs() const { return text(104); }
    void setBHtml_Fs(const QString &v) { setText(104, v); }
    QString aHtml_Fs() const { return text(105); }
    void setAHtml_Fs(const QString &v) { setText(105, v); }
    int autoNumericStart() const { return number(106); }
    void setAutoNumericStart(int v) { setNumber(106, v); }
    int namePadChars() const { return number(107); }
    void setNamePadChars(int v) { setNumber(107, v); }
    bool clearBaseFolder() const { return logic(108); }
    void setClearBaseFolder(bool v) { setLogic(108, v); }
    int namingCasing() const { return number(109); }
    void setNamingCasing(int v) { setNumber(109, v); }
    QString auxSubFolder() const { return text(110); }
    void setAuxSubFolder(const QString &v) { setText(110, v); }
    QString baseFolder() const { return text(111); }
    void setBaseFolder(const QString &v) { setText(111, v); }
    int overwrite() const { return number(112); }
    void setOverwrite(int v) { setNumber(112, v); }
    bool launchHtml() const { return logic(113); }
    void setLaunchHtml(bool v) { setLogic(113, v); }
    bool showThumbs() const { return logic(114); }
    void setShowThumbs(bool v) { setLogic(114, v); }
    bool newBrowserWin() const { return logic(115); }
    void setNewBrowserWin(bool v) { setLogic(115, v); }
    QString metaTags() const { return text(116); }
    void setMetaTags(const QString &v) { setText(116, v); }
    QString htmlExt() const { return text(117); }
    void setHtmlExt(const QString &v) { setText(117, v); }
    FontData masterIndexLinkFont() const { return font(118); }
    void setMasterIndexLinkFont(const FontData &v) { setFont(118, v); }
    bool link2Last() const { return logic(119); }
    void setLink2Last(bool v) { setLogic(119, v); }
    QString lastTextLink() const { return text(120); }
    void setLastTextLink(const QString &v) { setText(120, v); }
    bool link2LastWithImage() const { return logic(121); }
    void setLink2LastWithImage(bool v) { setLogic(121, v); }
    QString lastImageLink() const { return text(122); }
    void setLastImageLink(const QString &v) { setText(122, v); }
    bool link2First() const { return logic(123); }
    void setLink2First(bool v) { setLogic(123, v); }
    QString firstTextLink() const { return text(124); }
    void setFirstTextLink(const QString &v) { setText(124, v); }
    bool link2FirstWithImage() const { return logic(125); }
    void setLink2FirstWithImage(bool v) { setLogic(125, v); }
    QString firstImageLink() const { return text(126); }
    void setFirstImageLink(const QString &v) { setText(126, v); }
    QString finalFolder() const { return text(127); }
    void setFinalFolder(const QString &v) { setText(127, v); }
    int roSaveAs() const { return number(128); }
    void setRoSaveAs(int v) { setNumber(128, v); }
    bool newWindow() const { return logic(129); }
    void setNewWindow(bool v) { setLogic(129, v); }
    bool useDefaultPageProperties() const { return logic(130); }
    void setUseDefaultPageProperties(bool v) { setLogic(130, v); }

    // ---- Validation, output folders and support images ----

    // Tests the settings and returns one message per problem, in test order; rewrites
    // some settings in place (extension, base folder, trimmed texts). Only when nothing is
    // wrong: checks that no two outputs of a run over `sources` and no output and source
    // share a path, then creates the output folders and copies the support images. An
    // empty result means generation may start.
    QStringList validate(const QStringList &sources = {});
    QStringList createFolders();
    QStringList copySupportImages();

    // ---- Image production through the batch job ----

    // Thumbnail and full-size paths, index-aligned with the sources; empty after an abort.
    // Files that failed are added to `failures` when given.
    QStringList thumbsBatchProcess(const QStringList &sources, QStringList *failures = nullptr);
    QStringList finalImagesProcess(const QStringList &sources, QStringList *failures = nullptr);
    // Both phases with one decode of each source: the thumbnail phase also makes the
    // full-size image and stages it beside its folder; the full-size phase renames it into
    // place, asking and logging as the phase always does. An abort in the thumbnail phase
    // leaves no full-size image. False after an abort.
    bool makeImages(const QStringList &sources, QStringList &thumbs, QStringList &fulls,
                    QStringList *failures = nullptr);

    // ---- Pages, names and links ----

    // Groups the images into pages of thRows() x thColumns(), reading image sizes and the
    // full-size byte sizes; sets cPageExt() from htmlExt(). Images that were not made keep
    // their place with empty sizes; titles past the end of the list are empty. The files
    // are read on the worker threads while the caller serves events; an abort seen
    // meanwhile (glAbortBatch) gives no pages.
    GalleryPages createVirtualPages(const QStringList &thumbs, const QStringList &fulls,
                                    const GalleryTitles &titles);
    QString createThumbPageName(int n) const;
    QString createFullSizePageName(int n) const;
    QString guessFullSizeImagePageName(const QString &fullFile, int n) const;
    // URL of `file` (reduced to its name) in subfolder `to`, seen from a page in `from`;
    // empty folder names stand for the base folder. Names are percent-encoded.
    static QString relativePathFromTo(const QString &file, const QString &from, const QString &to);
    QString thPg2ThIm(const QString &file) const;
    QString thPg2FsPg(const QString &file) const;
    QString thPg2FsIm(const QString &file) const;
    QString thPg2Aux(const QString &file) const;
    QString fsPg2FsIm(const QString &file) const;
    QString fsPg2ThPg(const QString &file) const;
    QString fsPg2Aux(const QString &file) const;
    QString miPg2ThIm(const QString &file) const;
    QString miPg2ThPg(const QString &file) const;
    QString miPg2Aux(const QString &file) const;
    QString thPg2MasterIndexPage() const;

    // ---- HTML pieces ----
    //
    // Each returns one piece of a page, CR LF line ends, and changes nothing. Attribute
    // values are escaped and every character above 127 becomes a character reference when
    // the page is written; titles, comments and the user's HTML stay HTML. `kind` is a
    // GalleryPageKind and picks the folder that support images are linked from.

    static QString htmlFormatText(const QString &text, const FontData &font);
    QString htmlHeadTag() const;
    QString htmlBodyStart(int kind) const;
    QString htmlCreateLogo(int kind) const;
    QString htmlSiteTitle() const;
    QString thumbsPageTitle(int n) const;
    QString fsPageTitle() const;
    QString openThumbsTable() const;
    QString variableText(const GalleryPages &pages, int p, int i, int kind) const;
    // The navigation bar (Home, Up, First, Previous, Next, Last); a link with an empty
    // target is left out, and no link at all gives the empty string.
    QString createLinksString(const QString &up, const QString &prev, const QString &next,
                              const QString &first, const QString &last, int kind) const;
    QString masterIndexPageTitle() const;

    // ---- Page writing ----

    // Writes every thumbnail page, the pages of their images and the master index under the
    // overwrite policy, then opens the gallery in the browser when asked. Pages that could
    // not be written are told in a box each and added to `failures` when given; a file kept
    // under the "never" policy or by the user's No is not a failure. The worker threads make
    // and write the pages while the caller, under a please-wait window with an Abort button,
    // serves events and asks and tells in page order. An abort (glAbortBatch) ends it at the
    // next page, telling and opening nothing: the pages written stay, each whole.
    void createHtmlPages(const GalleryPages &pages, QStringList *failures = nullptr);
    QString thumbPageText(const GalleryPages &pages, int p) const;
    QString fullSizePageText(const GalleryPages &pages, int p, int k) const;
    QString masterIndexText(const GalleryPages &pages) const;

    // The paths the pages of a run are written to.
    QString thumbPagePath(const QString &name) const;
    QString fullSizePagePath(const QString &name) const;
    QString masterIndexPath() const;

    // ---- The whole run ----

    // Validation, thumbnails, full-size images (unless aborted), pages (unless aborted),
    // as the gallery window's Do It runs them. Shows the problems found by validation in
    // the error log and stops; after a run that was not aborted, shows every image, page
    // or copy that failed in the error log. A source whose thumbnail or full-size image was
    // not made is left out of the pages (its title with it): it is in the error log already.
    // The caller's thread serves events all through, the long steps going to the worker
    // threads, so an Abort is seen in any phase, and ends the run there.
    GalleryRunResult generate(const QStringList &sources, const GalleryTitles &titles);

private:
    int number(int slot) const;
    bool logic(int slot) const;
    QString text(int slot) const;
    uint32_t color(int slot) const;
    FontData font(int slot) const;
    QList<int> codes(int slot) const;
    ValueArray script(int slot) const;
    void setNumber(int slot, int v);
    void setLogic(int slot, bool v);
    void setText(int slot, const QString &v);
    void setColor(int slot, uint32_t v);
    void setFont(int slot, const FontData &v);
    void setCodes(int slot, const QList<int> &v);
    void setScript(int slot, const ValueArray &v);

    QString pageFileName(int n, int naming, const QString &baseName) const;
    // THROWS x THCOLUMNS, each at least 1, in 64 bits: a stored record may hold sides whose
    // product leaves the range of an int.
    qint64 imagesPerPage() const;
    // The number of thumbnail pages that n images fill.
    int thumbPageCount(int n) const;
    QString folderPath(const QString &subFolder) const;
    QStringList outputClashes(const QStringList &sources);
    // The batch jobs of the two image phases, filled from the settings, and the paths
    // they will write for the sources.
    Be thumbsJob() const;
    // The two phases each decoding the sources, where no staging folder can be made.
    bool thumbsAndFullsApart(const QStringList &sources, QStringList &thumbs, QStringList &fulls,
                             QStringList *failures);
    Be finalImagesJob() const;
    QStringList thumbOutputPaths(const QStringList &sources) const;
    QStringList fullSizeOutputPaths(const QStringList &sources) const;

    QWidget *mOOwner = nullptr;
    QString mCPageExt = QStringLiteral(".htm");
    int mNSlots = kSlots;
    ValueArray mAData;
};

} // namespace gb
