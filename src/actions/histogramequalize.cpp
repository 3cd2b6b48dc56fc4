#include "actions/histogramequalize.h"

#include "platform/imagelib/histogramequalize.h"

namespace gb {

bool histogramEqualize(RgbImage &img, int low, int high, bool red, bool green, bool blue)
{
    return isHistogramEqualizeRgb(img, low, high, (red ? 1 : 0) + (green ? 2 : 0) + (blue ? 4 : 0));
}

} // namespace gb
