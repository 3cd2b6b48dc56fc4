#include "common/sharedhelpers.h"

namespace gb {

QString getAlignDesc(int placement)
{
    static const char *const texts[] = {"Top - Left",      "Top - Center",    "Top - Right",
                                        "Middle - Left",   "Middle - Center", "Middle - Right",
                                        "Bottom - Left",   "Bottom - Center", "Bottom - Right"};
    return placement >= 1 && placement <= 9 ? QString::fromLatin1(texts[placement - 1]) : QString();
}

QString getResizeTypeDesc(int mode)
{
    static const char *const texts[] = {"Best fit - keep aspect ratio", "Fixed width - keep aspect ratio",
                                        "Fixed height - keep aspect ratio", "Stretch to fit",
                                        "Percent scale"};
    return mode >= 1 && mode <= 5 ? QString::fromLatin1(texts[mode - 1]) : QString();
}

namespace {

const char *imageVarLabel(int code)
{
    static const char *const labels[] = {"Image File Name", "Size in kb",    "Size in bytes",
                                         "Width x Height",  "Image Width",   "Image Height",
                                         "Current Date",    "Current Time",  "Image Name with extension",
                                         "Title",           "Comments"};
    return labels[code - 1];
}

std::vector<ImageVarEntry> imageVars(std::initializer_list<int> codes)
{
    std::vector<ImageVarEntry> out;
    for (int code : codes)
        out.push_back({QString::fromLatin1(imageVarLabel(code)), code});
    return out;
}

} // namespace

std::vector<ImageVarEntry> getVars() { return imageVars({1, 2, 3, 4, 5, 6, 10, 11, 9, 7, 8}); }

std::vector<ImageVarEntry> getVars1() { return imageVars({1, 2, 3, 4, 5, 6, 9, 7, 8}); }

} // namespace gb
