#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace gb {

// libjpeg leaves an error by longjmp; every codec call runs under one of these so that
// nothing unwinds through C frames and the caller gets an error code instead of an exit.
// A function that sets the jump keeps no object with a destructor in its own frame: the
// objects that must go on every path are held one frame up (JpegDecompressor, trapped()).
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

// Runs steps, which call libjpeg, with the trap's jump set: true when they ran to their end,
// false when libjpeg left them by its error exit. The exit jumps straight back here, so the
// steps keep no object with a destructor alive across a libjpeg call, and whatever they
// change that is read afterwards lives outside them (in the caller's frame or its objects).
template <typename Steps>
[[gnu::noinline]] bool trapped(JpegErrorTrap &trap, Steps &&steps)
{
    if (setjmp(trap.jump))
        return false;
    steps();
    return true;
}

// Owns one libjpeg decompressor with its trap: created with the owner, destroyed when the
// owner goes, on every path, an exception's included. ok() is false when libjpeg could not
// set it up (no memory for its own tables). The owner lives in a frame that never sets the
// jump; the steps that drive the decompressor run through trapped().
class JpegDecompressor
{
public:
    JpegDecompressor()
    {
        installJpegTrap(reinterpret_cast<jpeg_common_struct *>(&cinfo), trap);
        mCreated = trapped(trap, [this] { jpeg_create_decompress(&cinfo); });
    }
    // Frees everything the decompressor holds; a decompressor that was never created holds
    // nothing, which libjpeg tells by its empty memory manager.
    ~JpegDecompressor() { jpeg_destroy_decompress(&cinfo); }
    JpegDecompressor(const JpegDecompressor &) = delete;
    JpegDecompressor &operator=(const JpegDecompressor &) = delete;

    bool ok() const { return mCreated; }

    jpeg_decompress_struct cinfo{};
    JpegErrorTrap trap;

private:
    bool mCreated = false;
};

} // namespace gb
