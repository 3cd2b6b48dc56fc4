#pragma once

#include "actions/fontdata.h"
#include "platform/table/value.h"
#include "sheets/reportjob.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QWidget;

namespace gb {

class BatchProgress;
class EventPacer;
class PrintPictures;

// The thumbnail print job of the print wizard: the 19 settings of a printout
// (PRINTGALLERYDATA) and the printing of a file list as pages of framed thumbnails in a
// grid, each with information lines under it, below a logo line with an optional page
// number and an optional title. Sizes, gaps and margins are printer pixels.
//
//   HPrGallery job(owner);
//   job.doPrint(owner, files, print);
//
// The settings database stores data() whole under the kind "PRIN". Setters store what
// they are given; getters read their slot type-checked (a short or damaged array reads as
// the defaults where it fails). Every page header writes the grid top it computed into
// startRow(). Pages can be produced in any order: printSetPage() positions the job on the
// first file of the page asked for.
class HPrGallery : public ReportJob
{
public:
    static constexpr int kSlots = 19;

    explicit HPrGallery(QWidget *owner = nullptr);
    HPrGallery(QWidget *owner, ValueArray stored);
    ~HPrGallery() override;

    void initialize();
    static ValueArray defaults();
    const ValueArray &data() const { return mData; }
    void setData(ValueArray stored);

    int thumbWidth() const;
    void setThumbWidth(int v);
    int thumbHeight() const;
    void setThumbHeight(int v);
    int horSpacing() const;
    void setHorSpacing(int v);
    int verSpacing() const;
    void setVerSpacing(int v);
    // Thumbnails per row (the number of columns).
    int thumbPerCol() const;
    void setThumbPerCol(int v);
    QString title() const;
    void setTitle(const QString &v);
    FontData titleFont() const;
    void setTitleFont(const FontData &v);
    bool appendPageNo() const;
    void setAppendPageNo(bool v);
    bool drawBorder() const;
    void setDrawBorder(bool v);
    std::vector<int> imageInfo() const;
    void setImageInfo(const std::vector<int> &v);
    FontData imageInfoFont() const;
    void setImageInfoFont(const FontData &v);
    QString logo() const;
    void setLogo(const QString &v);
    int startRow() const;
    void setStartRow(int v);
    int startCol() const;
    void setStartCol(int v);
    bool portrait() const;
    void setPortrait(bool v);
    int leftMargin() const;
    void setLeftMargin(int v);
    int rightMargin() const;
    void setRightMargin(int v);
    int topMargin() const;
    void setTopMargin(int v);
    int bottomMargin() const;
    void setBottomMargin(int v);

    // The settings' problems before a printout: every number that a page sets must lie in
    // the range that page offers (a damaged record is refused, naming the setting). Each
    // problem begins with its page, "[Page Layout]" or "[Page Setup]"; empty when fit.
    // The grid top (startRow()) and startCol() have no page and are not checked.
    QStringList validate() const;

    // Prints the files (full paths, in order) to the printer (true) or the preview (false).
    // Each run of the pages shows a progress window over the device's run window, with the
    // file being placed and an Abort that ends the run after the page under way: the pictures
    // are fitted on the worker threads ahead of the pages, and events are served between
    // them. False, after the error box "Error initializing printer resource" when no printer
    // can be set up, and when the run did not take place or was aborted (quietly: the user
    // asked for it).
    bool doPrint(QWidget *owner, const QStringList &files, bool print);

    int printStart(RpPrinter &device) override;
    int printSetPage(RpPrinter &device, int &pageNumber) override;
    int printPageHeader(RpPrinter &device) override;
    int printPageBody(RpPrinter &device) override;
    int printEnd() override;

    // Draws the next file's thumbnail, frame and information lines into a cell; during a run
    // only, which makes the pictures.
    void image2Printer(int gridTop, int row, int column, RpPrinter &device);
    // The information lines of one file.
    QStringList variableText(const QString &file) const;

private:
    int intSlot(int slot) const;
    bool boolSlot(int slot) const;
    QString textSlot(int slot) const;
    void set(int slot, Value v);
    // The row pitch: thumbnail height, vertical gap and information band, in 64 bits since
    // a printout started without validate() may hold any int in each.
    qint64 pitch() const;

    QWidget *mOwner = nullptr;
    ValueArray mDefaults;
    ValueArray mData;
    // Run state.
    QStringList mFiles;
    int mNextFile = 1;
    int mLeftOffset = 1;
    int mBandHeight = 0;
    std::unique_ptr<PrintPictures> mPictures;
    std::unique_ptr<BatchProgress> mProgress;
    std::unique_ptr<EventPacer> mPacer;
};

} // namespace gb
