#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

namespace gb {

class ReportJob;
class RgbImage;

// The brush of a brush-style code: -2 hollow, -1 solid in the colour, 0 to 5 the hatches
// horizontal, vertical, forward diagonal, backward diagonal, cross and diagonal cross;
// any other code paints nothing.
QBrush rpCreateBrush(int style, const QColor &color);

// The program's printer device: what the print jobs draw with, and the page loop that
// calls a job's ReportJob callbacks.
//
// One device serves one run. A job creates it with its owner window and itself, checks
// isValid(), sets the orientation, unit and margins, and calls print() or printPreview();
// the installed PrintHost then runs the pages on a QPrinter through run(), on which the
// device calls the job back page by page.
//
// Layouts are made on a 96-dpi logical page: a "device pixel" (unit 5) is 1/96 inch, and the
// painter scales it onto the real printer's resolution, so text and images stay sharp.
// Coordinates count from the top-left corner of the print area inside the margins.
//
// Drawing members act only while a run is in progress; outside one they return at once.
// While drawing, every text leaves a pair of text markers and every image a bitmap marker in
// markers() (the record the page's text and pictures were placed by).
class RpPrinter
{
public:
    // Units of measure.
    enum Unit { Inch = 1, Centimetre = 2, Millimetre = 3, CharacterCell = 4, DevicePixel = 5 };
    // Run states.
    enum RunState { Idle, Printing, Previewing };
    // The logical resolution of the page, pixels per inch.
    static constexpr double kLogicalPpi = 96.0;
    // A run ends after this many pages whatever the job answers, so a job that can never
    // place anything cannot produce pages without end.
    static constexpr int kMaxPages = 10000;

    // Where a text or an image was put: tag 65534 before a text, 65535 after it,
    // 999999 for an image (row holds its top); device pixels.
    struct Marker
    {
        int tag = 0;
        int alignment = 0;
        int column = 0;
        int row = 0;
        int width = 0;
        int height = 0;
        int page = 0;
        QString text;
    };

    RpPrinter(QWidget *owner, ReportJob *job);
    ~RpPrinter();
    RpPrinter(const RpPrinter &) = delete;
    RpPrinter &operator=(const RpPrinter &) = delete;

    QWidget *owner() const { return mOwner; }
    // False when no usable printer could be set up (the installed host's answer).
    bool isValid() const;
    bool landScape() const { return mLandScape; }
    void setLandScape(bool landscape) { mLandScape = landscape; }

    // Starts the run on the printer or in the preview; false when it did not run (no
    // printer, cancelled). The names are the document name and the window caption.
    bool print(const QString &documentName);
    bool printPreview(const QString &caption);

    // The page loop on an opened printer: configures orientation and page, calls the job's
    // callbacks and draws the pages. Re-runnable: every call is a fresh run from page 1.
    // window is the one the run's own windows (a progress window) go over; the owner when
    // null. A printout into a file is written under a temporary name beside it, which takes
    // the file's name once the last page is there. False when the printer could not be
    // painted on, the file could not be written, or the job aborted the run (aborted()); a
    // file printed to is then left as it was.
    bool run(QPrinter &printer, RunState state = Printing, QWidget *window = nullptr);
    // Whether the job ended the last run with ReportJob::kAborted.
    bool aborted() const { return mAborted; }
    // The window the run's own windows go over (see run()); the owner outside a run.
    QWidget *runWindow() const { return mRunWindow ? mRunWindow : mOwner; }

    // --- units, margins, print area -------------------------------------------------
    int unitOfMeasure() const { return mUnit; }
    bool setUnitOfMeasure(int code);
    double topMargin() const;
    double bottomMargin() const;
    double leftMargin() const;
    double rightMargin() const;
    void setTopMargin(double value);
    void setBottomMargin(double value);
    void setLeftMargin(double value);
    void setRightMargin(double value);
    // The size of the print area inside the margins, in the unit.
    double printAreaWidth() const;
    double printAreaLength() const;
    // The same in device pixels, whole.
    int logPrintAreaWidth() const;
    int logPrintAreaLength() const;

    // Conversions between the unit and device pixels or inches, horizontal and vertical.
    double xlateHUnitOfMeasure2Logical(double value) const;
    double xlateVUnitOfMeasure2Logical(double value) const;
    double xlateHLogical2UnitOfMeasure(double value) const;
    double xlateVLogical2UnitOfMeasure(double value) const;
    double xlateHUnitOfMeasure2Inches(double value) const;
    double xlateVUnitOfMeasure2Inches(double value) const;
    double xlateHInches2UnitOfMeasure(double value) const;
    double xlateVInches2UnitOfMeasure(double value) const;

    // The resolution of the logical page the layouts are made on, which the painter scales
    // onto the printer's own; 96 pixels per inch unless changed before a run.
    double ppiX() const { return mPpiX; }
    double ppiY() const { return mPpiY; }
    void setResolution(double ppiX, double ppiY);

    // --- print cursor -----------------------------------------------------------------
    double pRow() const;
    double pCol() const;
    void setPRow(double value);
    void setPCol(double value);
    // pRow() + avgCharHeight(); moves nothing.
    double nextPRow() const;
    double avgCharHeight() const;
    double avgCharWidth() const;

    // --- fonts and text ---------------------------------------------------------------
    // Stores the font fields and makes the font current. Angles in tenths of a degree.
    RpPrinter &setFont(const QString &face, double pointSize, bool bold = false, bool italic = false,
                       bool underline = false, int orientation = 0, int escapement = 0);
    bool createFont();
    const QFont &font() const { return mFont; }

    // One line of text with its cell's top at row; alignment 0 left, 1 centre, 2 right of
    // column. Moves the cursor to the row and to column + the text's width.
    RpPrinter &textOut(std::optional<double> row, std::optional<double> column, const QString &text, int alignment = 0,
                       const QColor &color = Qt::black, std::optional<QColor> background = std::nullopt);
    // Text laid out (wrapped) inside a box; alignment 0 left, 1 centre, 2 right, 4 justified.
    // Moves the cursor to the top of the box's last line and its right edge.
    RpPrinter &drawText(std::optional<double> row, std::optional<double> column, const QString &text = QString(),
                        std::optional<double> height = std::nullopt, std::optional<double> width = std::nullopt,
                        int alignment = 0, std::optional<QColor> background = std::nullopt);
    // Width of the text in the current font, in the unit; 0 outside a run.
    double getTextLength(const QString &text) const;
    // The text cut to fit `width` (in the unit) on one line of the current font, "…" marking
    // the cut; the text unchanged when it fits, and outside a run.
    QString elidedText(const QString &text, double width) const;
    // The face the output really uses; "" outside a run.
    QString getTextFace() const;

    // --- shapes and images --------------------------------------------------------------
    // Brush styles: none = no fill, -1 solid, -2 hollow, 0..5 the hatch patterns.
    RpPrinter &drawLine(std::optional<double> row1, std::optional<double> col1, std::optional<double> row2,
                        std::optional<double> col2, int penWidth = 1, int penStyle = 0, const QColor &color = Qt::black);
    RpPrinter &drawRectangle(std::optional<double> top, std::optional<double> left, std::optional<double> bottom,
                             std::optional<double> right, int penWidth = 1, int penStyle = 0,
                             const QColor &penColor = Qt::black, std::optional<int> brushStyle = std::nullopt,
                             const QColor &brushColor = Qt::black);
    RpPrinter &drawEllipse(std::optional<double> top, std::optional<double> left, std::optional<double> bottom,
                           std::optional<double> right, int penWidth = 1, int penStyle = 0,
                           const QColor &penColor = Qt::black, std::optional<int> brushStyle = std::nullopt,
                           const QColor &brushColor = Qt::black);
    // Draws an RGB image with its top-left corner at (x, y) device pixels, at the drawn size.
    // False outside a run or for a null image (the page then lacks it).
    bool drawRgb(const RgbImage &image, int x, int y, int drawnWidth, int drawnHeight);

    // Draws an image file with its top-left corner at (row, column), height x width in the
    // unit (absent: the image's own size in device pixels). A file that cannot be loaded
    // draws nothing; nothing is reported and the cursor does not move.
    RpPrinter &drawBmp(std::optional<double> row, std::optional<double> column, const QString &fileName,
                       std::optional<double> height = std::nullopt, std::optional<double> width = std::nullopt);

    // --- engine state -----------------------------------------------------------------
    RunState runState() const { return mState; }
    bool isPrinting() const { return mState == Printing; }
    bool isPreviewing() const { return mState == Previewing; }
    int currentPageNumber() const { return mCurrentPage; }
    // The painter the page is drawn on, in device pixels of the print area; null outside a run.
    QPainter *deviceContext() const { return mPainter; }
    // The pages produced by the last run.
    int pageCount() const { return mPageCount; }
    const std::vector<Marker> &markers() const { return mMarkers; }

    // The page callbacks' wrappers: reset the cursor (and select the font) before the job's.
    int callPrintSetPage(int &pageNumber);
    int callPrintPageHeader();

private:
    double toDeviceH(double v) const;
    double toDeviceV(double v) const;
    void applyOrigin();
    void shape(bool ellipse, std::optional<double> top, std::optional<double> left, std::optional<double> bottom,
               std::optional<double> right, int penWidth, int penStyle, const QColor &penColor,
               std::optional<int> brushStyle, const QColor &brushColor);
    void addTextMarkers(int alignment, int column, int row, int width, int height, const QString &text);

    QWidget *mOwner = nullptr;
    QWidget *mRunWindow = nullptr;
    ReportJob *mJob = nullptr;
    bool mLandScape = false;

    int mUnit = Inch;
    QString mFace = QStringLiteral("Arial");
    double mPointSize = 12;
    bool mBold = false;
    bool mItalic = false;
    bool mUnderline = false;
    int mEscapement = 0;
    int mOrientation = 0;
    QFont mFont;
    int mAvgCharWidth = 0;
    int mCharHeight = 0;
    int mPRow = 0;
    int mPCol = 0;

    double mPpiX = kLogicalPpi;
    double mPpiY = kLogicalPpi;
    // Margins in inches, as the engine keeps them.
    double mTopMargin = 0.75;
    double mBottomMargin = 0.75;
    double mLeftMargin = 0.5;
    double mRightMargin = 0.5;
    // The paper in points, set when a run starts (A4 before).
    double mPaperWidth = 0;
    double mPaperHeight = 0;
    double mScaleX = 1.0;
    double mScaleY = 1.0;

    RunState mState = Idle;
    QPainter *mPainter = nullptr;
    int mCurrentPage = 0;
    int mPageCount = 0;
    bool mAborted = false;
    std::vector<Marker> mMarkers;
};

} // namespace gb
