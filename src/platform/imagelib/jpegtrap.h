#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace gb {

// libjpeg leaves an error by longjmp; every codec call runs under one of these so that
// nothing unwinds through C frames and the caller gets an error code instead of an exit.
// A function that sets the jump keeps no object with a destructor in its own frame.
struct JpegErrorTrap {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

[[noreturn]] inline void trapJpegErrorExit(j_common_ptr cinfo)
{
    auto *trap = reinterpret_cast<JpegErrorTrap *>(cinfo->err);
    longjmp(trap->jump, 1);
}

// A file cut short is a failure: libjpeg would otherwise pad it with grey and call it
// good. The decoder reads ahead, so a file cut just before its end marker counts as cut.
inline void trapJpegWarning(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        trapJpegErrorExit(cinfo);
}

inline void installJpegTrap(jpeg_common_struct *cinfo, JpegErrorTrap &trap)
{
    cinfo->err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = trapJpegErrorExit;
    trap.mgr.emit_message = trapJpegWarning;
    trap.mgr.output_message = [](j_common_ptr) {};
}

} // namespace gb
