#include "sheets/rpprinter.h"

#include "common/safefile.h"
#include "sheets/printhost.h"
#include "sheets/reportjob.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <memory>

namespace gb {

namespace {

// A4 portrait, in points, until a run tells the real paper.
constexpr double kA4Width = 595.28;
constexpr double kA4Height = 841.89;

// Whole device pixels, halves away from zero.
double whole(double v)
{
    return std::round(v);
}

// Unit to device pixels: inch * ppi, cm * ppi / 2.54, mm * ppi / 25.4, character cells *
// the character size, any other code unchanged; then made whole.
double unitToDevice(int unit, double v, double ppi, int charSize)
{
    switch (unit) {
    case RpPrinter::Inch:
        return whole(v * ppi);
    case RpPrinter::Centimetre:
        return whole(v * ppi / 2.54);
    case RpPrinter::Millimetre:
        return whole(v * ppi / 25.4);
    case RpPrinter::CharacterCell:
        return whole(v * charSize);
    }
    return whole(v);
}

// The reverse, keeping the fraction. A character size of 0 (no font yet) leaves the value.
double deviceToUnit(int unit, double v, double ppi, int charSize)
{
    switch (unit) {
    case RpPrinter::Inch:
        return v / ppi;
    case RpPrinter::Centimetre:
        return v / ppi * 2.54;
    case RpPrinter::Millimetre:
        return v / ppi * 25.4;
    case RpPrinter::CharacterCell:
        return charSize ? v / charSize : v;
    }
    return v;
}

// Unit to inches for the margins; inches and unknown codes pass unchanged.
double unitToInches(int unit, double v, double ppi, int charSize)
{
    switch (unit) {
    case RpPrinter::DevicePixel:
        return v / ppi;
    case RpPrinter::Centimetre:
        return v / 2.54;
    case RpPrinter::Millimetre:
        return v / 25.4;
    case RpPrinter::CharacterCell:
        return v * charSize / ppi;
    }
    return v;
}

double inchesToUnit(int unit, double v, double ppi, int charSize)
{
    switch (unit) {
    case RpPrinter::DevicePixel:
        return whole(v * ppi);
    case RpPrinter::Centimetre:
        return v * 2.54;
    case RpPrinter::Millimetre:
        return v * 25.4;
    case RpPrinter::CharacterCell:
        return charSize ? v * ppi / charSize : v;
    }
    return v;
}

} // namespace

RpPrinter::RpPrinter(QWidget *owner, ReportJob *job)
    : mOwner(owner), mJob(job), mPaperWidth(kA4Width), mPaperHeight(kA4Height)
{
    createFont();
}

RpPrinter::~RpPrinter() = default;

bool RpPrinter::isValid() const
{
    return printHost().isValid();
}

bool RpPrinter::print(const QString &documentName)
{
    return printHost().print(*this, mOwner, documentName);
}

bool RpPrinter::printPreview(const QString &caption)
{
    return printHost().preview(*this, mOwner, caption);
}

bool RpPrinter::run(QPrinter &printer, RunState state, QWidget *window)
{
    if (!mJob || mState != Idle)
        return false;
    // The device places everything itself, margins included, on the whole sheet.
    printer.setFullPage(true);
    printer.setPageOrientation(mLandScape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    // A file printed to is never seen half-written, and an aborted run leaves it as it was.
    // A preview's printer is left as its host set it up.
    const QString target = state == Previewing ? QString() : printer.outputFileName();
    std::unique_ptr<PendingFile> pending;
    if (!target.isEmpty()) {
        pending = std::make_unique<PendingFile>(target);
        if (!pending->isOpen())
            return false;
        printer.setOutputFileName(QFile::decodeName(pending->tempPath()));
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (pending)
            printer.setOutputFileName(target);
        return false;
    }
    mPaperWidth = paper.width();
    mPaperHeight = paper.height();
    mScaleX = printer.logicalDpiX() / mPpiX;
    mScaleY = printer.logicalDpiY() / mPpiY;
    mPainter = &painter;
    mRunWindow = window;
    mState = state == Idle ? Printing : state;
    mMarkers.clear();
    mPageCount = 0;
    mAborted = false;
    applyOrigin();

    mJob->printStart(*this);
    for (int n = 1; n <= kMaxPages; ++n) {
        if (n > 1)
            printer.newPage();
        int page = n;
        mCurrentPage = n;
        mCurrentPage = callPrintSetPage(page);
        callPrintPageHeader();
        ++mPageCount;
        const int answer = mJob->printPageBody(*this);
        mAborted = answer == ReportJob::kAborted;
        if (answer != ReportJob::kMorePages)
            break;
    }
    mJob->printEnd();

    painter.end();
    mPainter = nullptr;
    mRunWindow = nullptr;
    mState = Idle;
    if (!pending)
        return !mAborted;
    printer.setOutputFileName(target);
    return !mAborted && pending->commit(PendingFile::Replace::IfFound, false);
}

int RpPrinter::callPrintSetPage(int &pageNumber)
{
    mPRow = 0;
    mPCol = 0;
    if (mPainter)
        mPainter->setFont(mFont);
    return mJob->printSetPage(*this, pageNumber);
}

int RpPrinter::callPrintPageHeader()
{
    mPRow = 0;
    mPCol = 0;
    return mJob->printPageHeader(*this);
}

// The painter works in device pixels of the print area: scaled from the 96-dpi page onto
// the printer and moved to the top-left corner inside the margins.
void RpPrinter::applyOrigin()
{
    if (!mPainter)
        return;
    const double left = mLeftMargin * mPpiX;
    const double top = mTopMargin * mPpiY;
    mPainter->setWorldTransform(QTransform(mScaleX, 0, 0, mScaleY, mScaleX * left, mScaleY * top));
}

bool RpPrinter::setUnitOfMeasure(int code)
{
    mUnit = code;
    return true;
}

void RpPrinter::setResolution(double ppiX, double ppiY)
{
    if (ppiX > 0 && ppiY > 0) {
        mPpiX = ppiX;
        mPpiY = ppiY;
        createFont();
    }
}

double RpPrinter::xlateHUnitOfMeasure2Logical(double v) const { return unitToDevice(mUnit, v, mPpiX, mAvgCharWidth); }
double RpPrinter::xlateVUnitOfMeasure2Logical(double v) const { return unitToDevice(mUnit, v, mPpiY, mCharHeight); }
double RpPrinter::xlateHLogical2UnitOfMeasure(double v) const { return deviceToUnit(mUnit, v, mPpiX, mAvgCharWidth); }
double RpPrinter::xlateVLogical2UnitOfMeasure(double v) const { return deviceToUnit(mUnit, v, mPpiY, mCharHeight); }
double RpPrinter::xlateHUnitOfMeasure2Inches(double v) const { return unitToInches(mUnit, v, mPpiX, mAvgCharWidth); }
double RpPrinter::xlateVUnitOfMeasure2Inches(double v) const { return unitToInches(mUnit, v, mPpiY, mCharHeight); }
double RpPrinter::xlateHInches2UnitOfMeasure(double v) const { return inchesToUnit(mUnit, v, mPpiX, mAvgCharWidth); }
double RpPrinter::xlateVInches2UnitOfMeasure(double v) const { return inchesToUnit(mUnit, v, mPpiY, mCharHeight); }

double RpPrinter::topMargin() const { return xlateVInches2UnitOfMeasure(mTopMargin); }
double RpPrinter::bottomMargin() const { return xlateVInches2UnitOfMeasure(mBottomMargin); }
double RpPrinter::leftMargin() const { return xlateHInches2UnitOfMeasure(mLeftMargin); }
double RpPrinter::rightMargin() const { return xlateHInches2UnitOfMeasure(mRightMargin); }

// Margins set during a page take effect at once, so a header may set them before it draws.
void RpPrinter::setTopMargin(double v)
{
    mTopMargin = xlateVUnitOfMeasure2Inches(v);
    applyOrigin();
}

void RpPrinter::setBottomMargin(double v)
{
    mBottomMargin = xlateVUnitOfMeasure2Inches(v);
}

void RpPrinter::setLeftMargin(double v)
{
    mLeftMargin = xlateHUnitOfMeasure2Inches(v);
    applyOrigin();
}

void RpPrinter::setRightMargin(double v)
{
    mRightMargin = xlateHUnitOfMeasure2Inches(v);
}

int RpPrinter::logPrintAreaWidth() const
{
    // Outside a run the orientation is not yet applied to the stored (portrait) paper.
    const double paper = (mState == Idle && mLandScape) ? mPaperHeight : mPaperWidth;
    return int(std::lround((paper / 72.0 - mLeftMargin - mRightMargin) * mPpiX));
}

int RpPrinter::logPrintAreaLength() const
{
    const double paper = (mState == Idle && mLandScape) ? mPaperWidth : mPaperHeight;
    return int(std::lround((paper / 72.0 - mTopMargin - mBottomMargin) * mPpiY));
}

double RpPrinter::printAreaWidth() const { return xlateHLogical2UnitOfMeasure(logPrintAreaWidth()); }
double RpPrinter::printAreaLength() const { return xlateVLogical2UnitOfMeasure(logPrintAreaLength()); }

double RpPrinter::pRow() const { return xlateVLogical2UnitOfMeasure(mPRow); }
double RpPrinter::pCol() const { return xlateHLogical2UnitOfMeasure(mPCol); }
void RpPrinter::setPRow(double v) { mPRow = int(xlateVUnitOfMeasure2Logical(v)); }
void RpPrinter::setPCol(double v) { mPCol = int(xlateHUnitOfMeasure2Logical(v)); }
double RpPrinter::nextPRow() const { return pRow() + avgCharHeight(); }
double RpPrinter::avgCharHeight() const { return xlateVLogical2UnitOfMeasure(mCharHeight); }
double RpPrinter::avgCharWidth() const { return xlateHLogical2UnitOfMeasure(mAvgCharWidth); }

RpPrinter &RpPrinter::setFont(const QString &face, double pointSize, bool bold, bool italic, bool underline,
                              int orientation, int escapement)
{
    mFace = face;
    mPointSize = pointSize;
    mBold = bold;
    mItalic = italic;
    mUnderline = underline;
    mOrientation = orientation;
    mEscapement = escapement;
    createFont();
    return *this;
}

// The font is sized in pixels of the logical page, -(points * ppi / 72) made whole, so the
// painter's scale carries it onto the printer like every other coordinate. Its average
// width follows the usual rule for proportional fonts (width + width / 2).
bool RpPrinter::createFont()
{
    QFont font(mFace);
    font.setPixelSize(std::max(1, int(std::lround(mPointSize * mPpiY / 72.0))));
    font.setWeight(mBold ? QFont::Bold : QFont::Normal);
    font.setItalic(mItalic);
    font.setUnderline(mUnderline);
    mFont = font;
    if (mPainter)
        mPainter->setFont(mFont);

    const QFontMetricsF metrics(mFont);
    int width = int(std::lround(metrics.averageCharWidth()));
    if (!QFontInfo(mFont).fixedPitch())
        width += width / 2;
    mAvgCharWidth = width;
    mCharHeight = int(std::lround(metrics.height() + metrics.leading()));
    return true;
}

double RpPrinter::getTextLength(const QString &text) const
{
    if (mState == Idle)
        return 0;
    return xlateHLogical2UnitOfMeasure(QFontMetricsF(mFont).horizontalAdvance(text));
}

QString RpPrinter::elidedText(const QString &text, double width) const
{
    if (mState == Idle)
        return text;
    return QFontMetricsF(mFont).elidedText(text, Qt::ElideRight, xlateHUnitOfMeasure2Logical(width));
}

QString RpPrinter::getTextFace() const
{
    if (mState == Idle)
        return QString();
    return QFontInfo(mFont).family().left(79);
}

} // namespace gb
