#pragma once

#include <cstddef>
#include <cstdint>

namespace gb {

// Error codes of the image layer. Every reader, writer and operation reports one of these
// (0 = no error); image/ turns them into the texts the user sees.
enum ImgLibError : int {
    ImgOk = 0,
    ImgOutOfMemory = 1,
    ImgFileOpen = 2,
    ImgFileRead = 3,
    ImgFileWrite = 4,
    ImgBadParameter = 5,
    ImgBadBmp = 6,
    ImgRleUnsupported = 7,
    ImgBadGif = 8,
    ImgBadJpg = 9,
    ImgBadPng = 15,
    ImgPngInternal = 16,
    ImgMiscError = 17,
    ImgFontError = 18,
    ImgTiffInternal = 19,
    ImgBadTiff = 20,
    ImgTiffLzw = 21,
    ImgBadPcx = 22,
    ImgBadMetafile = 27,
    ImgWrongBitDepth = 28,
    ImgOutputTooSmall = 30,
    ImgPaletteFull = 31,
    ImgBadTga = 32,
};

// A reader refuses, before allocating anything, any image of more pixels than this,
// and any image whose header claims more pixels than its file can possibly hold.
constexpr int64_t kMaxReadPixels = int64_t(1) << 28;

// Bytes of an encoded file, as readers take them (the whole file in memory).
struct ByteSpan {
    const uint8_t *data = nullptr;
    size_t size = 0;
};

} // namespace gb
