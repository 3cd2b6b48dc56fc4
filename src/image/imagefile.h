#pragma once

#include "platform/imagelib/imglibtypes.h"
#include "platform/imagelib/largememory.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace gb {

// The bytes of an image file for the readers: read whole, or mapped when the file is very
// large (64 MB and more) and the system allows it.
class ImageFileBytes
{
public:
    // Opens and maps (or reads) the file; ok() tells whether that worked. With onlyType set
    // (an image type code), a file whose content test gives another type is not read.
    explicit ImageFileBytes(const QString &fileName, int onlyType = 0);
    ~ImageFileBytes();
    ImageFileBytes(const ImageFileBytes &) = delete;
    ImageFileBytes &operator=(const ImageFileBytes &) = delete;

    bool ok() const { return mOk; }
    ByteSpan span() const { return mSpan; }

private:
    QFile mFile;
    QByteArray mRead;
    LargeBuffer mBuffer;
    uchar *mMap = nullptr;
    ByteSpan mSpan;
    bool mOk = false;
};

// The type code the image layer's content test gives, else the one the fallback name's
// extension gives.
int imageTypeOf(ByteSpan bytes, const QString &fallbackName);

} // namespace gb

namespace gb {

class RgbImage;

// Writes a whole image file so that it is never half-written: through a PendingFile beside
// it, moved onto the name only when every byte was written and closed. An existing file
// is replaced and hands on its permissions; a new file never replaces one that appeared
// meanwhile. On failure any old file stays. Unlike writeFileAtomically() it does not force
// the bytes to disk before the move: batch runs write thousands of images, and a sync per
// file would cost more than the encoding. False with the reason in why.
bool writeImageFile(const QString &path, const QByteArray &bytes, QString &why);

// Decodes bytes of the given type (1..9). fitW x fitH (0 = none) lets the JPEG reader
// decode at a reduced scale; fullW and fullH still receive the image's real size. On
// failure returns a null image with error set to the image layer's code.
RgbImage decodeImageBytes(ByteSpan bytes, int type, int fitW, int fitH, int &fullW, int &fullH,
                          int &error);

} // namespace gb
