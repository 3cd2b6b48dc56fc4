#include "image/psfile.h"

#include "platform/imagelib/codec.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <new>

namespace gb {

namespace {

const char kNotPhotoshop[] = "Not a valid photoshop file";
const char kBadVersion[] = "Not a valid photoshop file version";
const char kNoMemory[] = "Unsufficient system memory";
const char kShortRead[] = "An error occured during file reading - Less than expected bytes returned";
const char kBadCompression[] = "Not supported compression method";
const char kBadRle[] = "Damaged run-length data in photoshop file";

constexpr uint64_t kHeaderSize = 26;

enum ColourMode : uint16_t { Bitmap = 0, Greyscale = 1, Indexed = 2, Rgb = 3, Cmyk = 4, Duotone = 8 };
enum Compression : uint16_t { Raw = 0, Rle = 1 };

// A coded pair of bytes gives at most 129 bytes (header 128 repeats its byte 129 times).
constexpr uint64_t kMaxRleGrowth = 65;

} // namespace

uint16_t memCopyBigEndianWord(const uint8_t *p) { return uint16_t((p[0] << 8) | p[1]); }

uint32_t memCopyBigEndianLong(const uint8_t *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

PsFile::PsFile(const QString &fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly)) {
        mSignature = QStringLiteral("8BPS");
        mLastError = QStringLiteral("Cannot open file: ") + fileName;
        return;
    }
    mFile = std::move(file);
    init();
}

PsFile::PsFile(const QByteArray &bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    mFile = std::move(buffer);
    init();
}

PsFile::~PsFile() { close(); }

void PsFile::close()
{
    if (mFile)
        mFile->close();
    mFile.reset();
    mPalette = {};
    mRowTable = {};
    mData = {};
    mDataSize = 0;
}

bool PsFile::fail(const char *message)
{
    mLastError = QString::fromLatin1(message);
    return false;
}

bool PsFile::readAt(uint64_t offset, uint8_t *into, uint64_t bytes)
{
    if (!mFile || offset > mFileSize || bytes > mFileSize - offset || !mFile->seek(qint64(offset)))
        return false;
    return mFile->read(reinterpret_cast<char *>(into), qint64(bytes)) == qint64(bytes);
}

uint64_t PsFile::rowBytes() const { return uint64_t(mWidth) * mDepth / 8; }

void PsFile::init()
{
    mSignature = QStringLiteral("8BPS");
    mLastError.clear();
    mFileSize = uint64_t(mFile->size());
    mValid = [this] {
        uint8_t h[kHeaderSize];
        if (!readAt(0, h, kHeaderSize) || QByteArray(reinterpret_cast<char *>(h), 4) != mSignature.toLatin1())
            return fail(kNotPhotoshop);
        mVersion = memCopyBigEndianWord(h + 4);
        if (mVersion != 1)
            return fail(kBadVersion);
        mChannels = memCopyBigEndianWord(h + 12);
        mHeight = memCopyBigEndianLong(h + 14);
        mWidth = memCopyBigEndianLong(h + 18);
        mDepth = memCopyBigEndianWord(h + 22);
        mColourMode = memCopyBigEndianWord(h + 24);
        if (mHeight > uint32_t(INT32_MAX) || mWidth > uint32_t(INT32_MAX))
            return fail(kNotPhotoshop);

        // Each section is a length and that many bytes; all of them must lie in the file.
        uint8_t n[4];
        uint64_t at = kHeaderSize;
        auto section = [&](uint64_t &offset, uint32_t &length) {
            if (!readAt(at, n, 4))
                return false;
            length = memCopyBigEndianLong(n);
            offset = at + 4;
            at = offset + length;
            return at <= mFileSize;
        };
        if (!section(mColourModeDataOffset, mColourModeDataLength)
            || !section(mImageResourcesOffset, mImageResourcesLength)
            || !section(mLayerMaskOffset, mLayerMaskLength))
            return fail(kNotPhotoshop);
        mImageDataOffset = at;
        if (!readAt(mImageDataOffset, n, 2))
            return fail(kNotPhotoshop);
        mCompression = memCopyBigEndianWord(n);

        if (mColourMode == Indexed && mColourModeDataLength == 768) {
            mPalette.resize(768);
            if (!readAt(mColourModeDataOffset, mPalette.data(), 768))
                return fail(kNotPhotoshop);
        }
        return true;
    }();
    if (!mValid)
        close();
}

uint32_t PsFile::rgbFromIndex(int index) const
{
    const auto rgb = rgbTrippleFromIndex(index);
    return rgb ? uint32_t((*rgb)[0]) | (uint32_t((*rgb)[1]) << 8) | (uint32_t((*rgb)[2]) << 16) : 0;
}

std::optional<std::array<uint8_t, 3>> PsFile::rgbTrippleFromIndex(int index) const
{
    if (mColourMode != Indexed || mPalette.size() != 768 || index < 0 || index > 255)
        return std::nullopt;
    return std::array<uint8_t, 3>{mPalette[size_t(index)], mPalette[256 + size_t(index)],
                                  mPalette[512 + size_t(index)]};
}

bool PsFile::createRefTable()
{
    if (!mValid || !mFile)
        return fail(kNotPhotoshop);
    if (mCompression != Raw && mCompression != Rle)
        return fail(kBadCompression);
    const uint64_t rows = uint64_t(mChannels) * mHeight;
    const uint64_t rowLength = rowBytes();
    if (rows == 0 || mWidth == 0)
        return fail(kNotPhotoshop);
    // A 1-bit row narrower than a byte has no whole bytes to read; the table stays empty
    // and the conversion refuses the depth, without a message, as for any 1-bit file.
    if (rowLength == 0)
        return true;
    uint64_t dataOffset = mImageDataOffset + 2;
    try {
        if (mCompression == Rle) {
            // The byte counts, then the coded rows back to back.
            if (rows * 2 > mFileSize - std::min(mFileSize, dataOffset))
                return fail(kShortRead);
            std::vector<uint8_t> counts(size_t(rows * 2));
            if (!readAt(dataOffset, counts.data(), rows * 2))
                return fail(kShortRead);
            mRowTable.resize(size_t(rows));
            uint64_t offset = 0;
            for (uint64_t k = 0; k < rows; ++k) {
                const uint64_t count = memCopyBigEndianWord(&counts[size_t(k * 2)]);
                mRowTable[size_t(k)] = {offset, count};
                offset += count;
            }
            mDataSize = offset;
            dataOffset += rows * 2;
        } else {
            if (rows > (mFileSize - std::min(mFileSize, dataOffset)) / rowLength)
                return fail(kShortRead);
            mRowTable.resize(size_t(rows));
            for (uint64_t k = 0; k < rows; ++k)
                mRowTable[size_t(k)] = {k * rowLength, rowLength};
            mDataSize = rows * rowLength;
        }
        if (mDataSize > mFileSize - std::min(mFileSize, dataOffset))
            return fail(kShortRead);
        mData.resize(size_t(mDataSize));
    } catch (const std::bad_alloc &) {
        mRowTable = {};
        return fail(kNoMemory);
    }
    if (!readAt(dataOffset, mData.data(), mDataSize))
        return fail(kShortRead);
    return true;
}

std::vector<uint8_t> PsFile::uncompressRle(const uint8_t *coded, size_t codedBytes) const
{
    const size_t length = size_t(rowBytes());
    std::vector<uint8_t> row(length, 0);
    size_t produced = 0, pos = 0;
    while (produced < length) {
        if (pos >= codedBytes)
            return {};
        const unsigned n = coded[pos];
        if (n < 128) { // n + 1 literal bytes (n = 0: one)
            const size_t count = n + 1;
            if (pos + 1 + count > codedBytes || produced + count > length)
                return {};
            std::copy_n(coded + pos + 1, count, row.begin() + ptrdiff_t(produced));
            produced += count;
            pos += count + 1;
        } else { // the next byte 257 - n times
            const size_t count = 257 - n;
            if (pos + 2 > codedBytes || produced + count > length)
                return {};
            std::fill_n(row.begin() + ptrdiff_t(produced), count, coded[pos + 1]);
            produced += count;
            pos += 2;
        }
    }
    return row;
}

std::vector<uint8_t> PsFile::getRowData(int row, int channel)
{
    if (row < 1 || channel < 1 || uint32_t(row) > mHeight || channel > mChannels)
        return {};
    const uint64_t k = uint64_t(channel - 1) * mHeight + uint64_t(row - 1);
    if (k >= mRowTable.size())
        return {};
    const RowRef ref = mRowTable[size_t(k)];
    const uint8_t *bytes = mData.data() + ref.offset;
    if (mCompression == Raw)
        return std::vector<uint8_t>(bytes, bytes + ref.bytes);
    std::vector<uint8_t> decoded = uncompressRle(bytes, size_t(ref.bytes));
    if (decoded.empty())
        fail(kBadRle);
    return decoded;
}

RgbImage PsFile::createRgb()
{
    if (!createRefTable())
        return RgbImage();
    // Which modes convert, and how many planes each needs.
    int planes = 0;
    bool depthOk = mDepth == 8 || mDepth == 16;
    switch (mColourMode) {
    case Greyscale:
    case Duotone:
        planes = 1;
        break;
    case Indexed:
        planes = 1;
        depthOk = mDepth == 8 && mPalette.size() == 768;
        break;
    case Rgb:
        planes = 3;
        break;
    case Cmyk:
        planes = 4;
        break;
    default:
        return RgbImage();
    }
    if (!depthOk || mChannels < planes)
        return RgbImage();
    if (!pixelCountAllowed(mWidth, mHeight)) {
        fail(kNoMemory);
        return RgbImage();
    }
    // Coded data cannot grow past kMaxRleGrowth times its size: refuse a header that claims
    // more rows than the data can fill, before the result is allocated.
    if (mCompression == Rle && rowBytes() * mHeight * uint64_t(planes) > mDataSize * kMaxRleGrowth) {
        fail(kBadRle);
        return RgbImage();
    }
    RgbImage img = RgbImage::create(mWidth, mHeight);
    if (img.isNull()) {
        fail(kNoMemory);
        return img;
    }
    const size_t step = mDepth / 8; // a 16-bit sample contributes its first, most significant byte
    std::vector<uint8_t> rows[4];
    for (int y = 0; y < img.height(); ++y) {
        for (int c = 0; c < planes; ++c) {
            rows[c] = getRowData(y + 1, c + 1);
            if (rows[c].size() < size_t(rowBytes()))
                return RgbImage();
        }
        uint8_t *out = img.row(y);
        for (size_t x = 0; x < mWidth; ++x, out += 3) {
            const size_t i = x * step;
            switch (mColourMode) {
            case Indexed: {
                const uint8_t v = rows[0][i];
                out[0] = mPalette[v];
                out[1] = mPalette[256 + size_t(v)];
                out[2] = mPalette[512 + size_t(v)];
                break;
            }
            case Rgb:
                out[0] = rows[0][i];
                out[1] = rows[1][i];
                out[2] = rows[2][i];
                break;
            case Cmyk: {
                // Photoshop stores every ink inverted (255 is no ink, 0 full ink), so on the
                // stored samples R = C * K / 255, and alike for G with M, B with Y.
                const unsigned k = rows[3][i];
                for (int ch = 0; ch < 3; ++ch)
                    out[ch] = uint8_t(rows[ch][i] * k / 255u);
                break;
            }
            default:
                out[0] = out[1] = out[2] = rows[0][i];
            }
        }
    }
    return img;
}

RgbImage createRgbFromPsdFile(const QString &fileName, int &width, int &height, QString &errorText)
{
    errorText.clear();
    PsFile ps(fileName);
    if (!ps.isValid()) {
        errorText = ps.lastErrorMessage();
        return RgbImage();
    }
    width = ps.imageWidth();
    height = ps.imageHeight();
    RgbImage img = ps.createRgb();
    if (img.isNull())
        errorText = ps.lastErrorMessage();
    ps.close();
    return img;
}

void getPsdFileDims(const QString &fileName, int &width, int &height, QString &errorText)
{
    errorText.clear();
    PsFile ps(fileName);
    if (!ps.isValid()) {
        errorText = ps.lastErrorMessage();
        return;
    }
    width = ps.imageWidth();
    height = ps.imageHeight();
    ps.close();
}

} // namespace gb
