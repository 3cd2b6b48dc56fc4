#pragma once

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include <jpeglib.h>

namespace gbtest {

// Encodes with libjpeg directly, for files writeJpeg() does not make: rowAt(y) gives row y,
// `components` samples a pixel in `space`; setup changes the compressor after its defaults
// (quality, sampling, scan script, restarts).
inline QByteArray libjpegEncode(int w, int h, int components, J_COLOR_SPACE space,
                                const std::function<const uint8_t *(int)> &rowAt,
                                const std::function<void(jpeg_compress_struct &)> &setup)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buf, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    setup(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uint8_t *>(rowAt(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char *>(buf), qsizetype(size));
    free(buf);
    return out;
}

} // namespace gbtest
