#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

namespace gb {

// The big-endian numbers of a Photoshop file: two bytes, first most significant, and four.
uint16_t memCopyBigEndianWord(const uint8_t *p);
uint32_t memCopyBigEndianLong(const uint8_t *p);

// One Photoshop file opened for reading its merged (composite) image. Constructing it
// opens the file and checks the header; isValid() then tells whether it can be used and
// lastErrorMessage() why not. Greyscale, duotone, indexed, RGB and CMYK images of 8 or 16
// bits per sample, raw or run-length coded, convert to RGB with createRgb(); layers, masks
// and resources are skipped, never read. Make one object per call and let it go after.
//
// Every offset and count in the file is checked against the file's size before anything
// is allocated or read, so a damaged or lying file gives a message, never a crash or an
// allocation the file cannot fill.
class PsFile
{
public:
    // Opens fileName; a file that cannot be opened gives "Cannot open file: " + fileName.
    explicit PsFile(const QString &fileName);
    // The same reader over the bytes of a whole file held in memory.
    explicit PsFile(const QByteArray &bytes);
    ~PsFile();
    PsFile(const PsFile &) = delete;
    PsFile &operator=(const PsFile &) = delete;

    // Closes the file and releases the palette, the row table and the data; again: nothing.
    void close();

    QString lastErrorMessage() const { return mLastError; }
    bool isValid() const { return mValid; }
    int imageWidth() const { return int(mWidth); }
    int imageHeight() const { return int(mHeight); }

    // The colour number (red + green * 256 + blue * 65536) of palette entry index (0..255);
    // 0 when the image has no palette or the index is out of range.
    uint32_t rgbFromIndex(int index) const;
    // Red, green and blue of a palette entry; nothing without a palette.
    std::optional<std::array<uint8_t, 3>> rgbTrippleFromIndex(int index) const;

    // Row and channel counted from 1: the row of that plane, decoded (width x depth / 8
    // bytes). Empty when the row table has not been built or the row or channel is out of
    // range, and empty with a message when the coded row is damaged.
    std::vector<uint8_t> getRowData(int row, int channel);

    // Decodes one run-length coded row into width x depth / 8 bytes. A row whose codes run
    // past the row's end or past the coded bytes is damaged: the result is then empty.
    std::vector<uint8_t> uncompressRle(const uint8_t *coded, size_t codedBytes) const;

    // Reads the row table and the whole composite image data. False with a message on a
    // short read ("An error occured during file reading - Less than expected bytes
    // returned"), an unknown compression method or too little memory.
    bool createRefTable();

    // The composite image in RGB. Null with the message of the failing step; null with an
    // empty message for a colour mode, channel count or depth the reader does not convert.
    RgbImage createRgb();

private:
    void init();
    bool fail(const char *message);
    bool readAt(uint64_t offset, uint8_t *into, uint64_t bytes);
    uint64_t rowBytes() const;

    std::unique_ptr<QIODevice> mFile;
    uint64_t mFileSize = 0;
    bool mValid = false;
    QString mSignature;
    QString mLastError;

    uint16_t mVersion = 0;
    uint16_t mChannels = 0;
    uint16_t mDepth = 0;
    uint32_t mHeight = 0;
    uint32_t mWidth = 0;
    uint16_t mColourMode = 0;

    uint64_t mColourModeDataOffset = 0;
    uint32_t mColourModeDataLength = 0;
    uint64_t mImageResourcesOffset = 0;
    uint32_t mImageResourcesLength = 0;
    uint64_t mLayerMaskOffset = 0;
    uint32_t mLayerMaskLength = 0;
    uint16_t mCompression = 0;
    uint64_t mImageDataOffset = 0;

    std::vector<uint8_t> mPalette; // 768 bytes: reds, greens, blues; empty when none

    struct RowRef {
        uint64_t offset;
        uint64_t bytes;
    };
    std::vector<RowRef> mRowTable; // channels x height, plane by plane
    uint64_t mDataSize = 0;
    std::vector<uint8_t> mData;
};

// Loads a Photoshop file. Width and height are set from the header whenever it was read,
// even when the conversion then fails; errorText holds the reader's message on failure.
RgbImage createRgbFromPsdFile(const QString &fileName, int &width, int &height, QString &errorText);

// Width and height from the header; errorText stays empty on success.
void getPsdFileDims(const QString &fileName, int &width, int &height, QString &errorText);

} // namespace gb
