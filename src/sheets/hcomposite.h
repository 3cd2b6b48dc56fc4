#pragma once

#include "platform/table/value.h"
#include "actions/fontdata.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QWidget;

namespace gb {

class BatchProgress;
class RgbImage;
struct CompositeLayout;

// The contact-sheet job: the 22 settings of a run (COMPOSITEDATA) in one array, their
// defaults, validation before a run, the information lines of an image, and the run itself
// (createSheet(), which lays the images out as framed thumbnails on sheet image files).
//
// The composer window owns one from opening to closing; the settings database stores
// data() whole under the kind "COMP". Every setter stores its value as given; every getter
// reads its slot type-checked, so an array loaded from a damaged record (too short, or a
// slot of the wrong type) reads as the default in those slots and never out of range.
class HComposite
{
public:
    static constexpr int kSlots = 22;

    // The job with the default settings.
    explicit HComposite(QWidget *owner = nullptr);
    // The job with a stored settings array, padded with the defaults when short.
    HComposite(QWidget *owner, ValueArray stored);

    // Replaces every setting by its default (the folder asks the system's temporary folder).
    void initialize();
    // The defaults, one per slot.
    static ValueArray defaults();

    const ValueArray &data() const { return mData; }
    void setData(ValueArray stored);
    QWidget *owner() const { return mOwner; }

    // Sheet size preset: 1 640 x 480, 2 800 x 600, 3 1024 x 768, anything else custom.
    int imageSize() const;
    void setImageSize(int v);
    int imageWidth() const;
    void setImageWidth(int v);
    int imageHeight() const;
    void setImageHeight(int v);
    // Image type code of the sheet files (3 JPEG).
    int saveAs() const;
    void setSaveAs(int v);
    QString folder() const;
    void setFolder(const QString &v);
    QString prefix() const;
    void setPrefix(const QString &v);
    int jpgQuality() const;
    void setJpgQuality(int v);
    bool jpgProgressive() const;
    void setJpgProgressive(bool v);
    // 1 always overwrite, 2 never, 3 ask.
    int overwrite() const;
    void setOverwrite(int v);
    int thumbWidth() const;
    void setThumbWidth(int v);
    int thumbHeight() const;
    void setThumbHeight(int v);
    int horSpacing() const;
    void setHorSpacing(int v);
    int verSpacing() const;
    void setVerSpacing(int v);
    int borderSize() const;
    void setBorderSize(int v);
    // Colours as numbers: red + green * 256 + blue * 65536.
    uint32_t backColor() const;
    void setBackColor(uint32_t v);
    uint32_t thumbColor() const;
    void setThumbColor(uint32_t v);
    uint32_t borderColor() const;
    void setBorderColor(uint32_t v);
    QString title() const;
    void setTitle(const QString &v);
    // The title's size is a character height in pixels.
    FontData titleFont() const;
    void setTitleFont(const FontData &v);
    bool appendPageNo() const;
    void setAppendPageNo(bool v);
    // IMAGEVARCODE numbers, one information line each.
    std::vector<int> info() const;
    void setInfo(const std::vector<int> &v);
    // The information lines' size counts as points when they are measured.
    FontData infoFont() const;
    void setInfoFont(const FontData &v);

    // Checks the settings before a run and completes two of them: the folder gets its
    // closing "/" and a preset size is written into the width and height. Every number
    // setting must lie in the range its page offers (a damaged record is refused, naming
    // the setting), the frame must leave room for a picture, and at least one cell must fit
    // on the sheet. Returns the problems, each beginning with "[General]", in the order
    // found; empty when fit.
    QStringList validate();
    // Why the name prefix cannot be used: it holds "/" or "..", which would put the sheets
    // outside their folder; empty when it can.
    QString prefixProblem() const;

    // The grid of a run over fileCount files, with the title and information band measured
    // in their fonts.
    CompositeLayout layout(int fileCount) const;

    // The information lines of one file (imageVariableText() with info()).
    QStringList variableText(const QString &file) const;

    // The run: lays the files out, in list order, row by row, as framed thumbnails with
    // their information lines on sheets of imageWidth() x imageHeight() under a title line,
    // and writes sheet s as folder() + prefix() + s + "." + the type's extension, asking or
    // skipping existing files as overwrite() says. The progress window follows the run and
    // one message at the end tells how many sheets were made and where (sheets that failed
    // to save are logged and not counted); when not one sheet was made, that message is an
    // error box. The thumbnails are made on the worker threads and each sheet is encoded and
    // written on one while the window serves events; the window's Abort, seen between
    // thumbnails and between sheets, drops the sheet under way (a sheet is written whole or
    // not at all) and ends the run quietly, keeping the sheets written before it. Refused, with an error box and nothing written, when a sheet would replace
    // one of the files, the prefix would put sheets outside the folder, or not even one
    // cell fits on the sheet. True once any thumbnail was placed.
    // Call validate() first: the run trusts the folder, and settings outside their ranges
    // make nothing (the layout's arithmetic cannot overflow, but the sheets may fail).
    bool createSheet(QWidget *owner, const QStringList &files);

private:
    // Puts one file's thumbnail (null when the file did not load) in its cell at (x, y), with
    // its information lines (variableText()) under it.
    bool drawCell(RgbImage &sheet, const CompositeLayout &layout, RgbImage thumb, const QStringList &lines, int x,
                  int y, BatchProgress &progress) const;
    int intSlot(int slot) const;
    bool boolSlot(int slot) const;
    QString textSlot(int slot) const;
    void set(int slot, Value v);

    QWidget *mOwner = nullptr;
    ValueArray mDefaults;
    ValueArray mData;
};

} // namespace gb
