#pragma once

#include <QString>

#include <vector>

namespace gb {

// The image type code every reader and writer of the program names a format by.
// 1 to 9 are also the image layer's own file-type numbers (its content test returns them);
// Photoshop (10) is read only and only ever comes from a file name.
enum ImageType : int {
    ImageTypeUnknown = 0,
    ImageTypeBmp = 1,
    ImageTypeGif = 2,
    ImageTypeJpg = 3,
    ImageTypePng = 4,
    ImageTypePcx = 5,
    ImageTypeTif = 6,
    ImageTypeWmf = 7,
    ImageTypeEmf = 8,
    ImageTypeTga = 9,
    ImageTypePsd = 10,
};

// One entry of the writable-format list: the label the pickers show and its type code.
struct FileTypeEntry {
    QString label;
    int code = 0;
    bool operator==(const FileTypeEntry &) const = default;
};

// The nine writable formats, in the order every output-format picker lists them
// (".bmp: Windows Bitmap" 1 ... ".wmf: Windows Metafile" 7). A new list on every call.
std::vector<FileTypeEntry> fileTypes();

// The type code that a file name's extension gives: the text after the last "." of the
// last path component, compared without regard to case with the three-letter keys BMP,
// GIF, JPG, PNG, PCX, TIF, WMF, EMF, TGA and PSD. 0 for no dot or any other text
// ("beach.jpeg", "beach.jpg ", "beach."). The file itself is not touched.
int guessFormatFromExtension(const QString &fileName);

// The lower-case extension (no dot) written on output files of a writable type code
// ("bmp" for 1 ...), or an empty text for any other code (0, 10, 11 ...).
QString returnProperExt(int code);

} // namespace gb
