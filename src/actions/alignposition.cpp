#include "actions/alignposition.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace gb {

QStringList alignPositionLabels()
{
    return {QStringLiteral("Left aligned at top"),          QStringLiteral("Center at top"),
            QStringLiteral("Right aligned at top"),         QStringLiteral("Left aligned at middle line"),
            QStringLiteral("Center at middle line"),        QStringLiteral("Right aligned at middle line"),
            QStringLiteral("Left aligned at bottom"),       QStringLiteral("Center at bottom"),
            QStringLiteral("Right aligned at bottom")};
}

namespace {

int64_t half(int64_t d)
{
    return d >= 0 ? d / 2 : -((-d + 1) / 2);
}

int toInt(int64_t v)
{
    return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

} // namespace

QPoint alignPosition(int code, int W, int H, int w, int h, int left, int top, int right, int bottom)
{
    if (code < 1 || code > 9)
        return QPoint(0, 0);
    const int column = (code - 1) % 3, line = (code - 1) / 3;
    const int64_t x = column == 0 ? int64_t(left) : column == 1 ? half(int64_t(W) - w) : int64_t(W) - w - right;
    const int64_t y = line == 0 ? int64_t(top) : line == 1 ? half(int64_t(H) - h) : int64_t(H) - bottom - h;
    return QPoint(toInt(x), toInt(y));
}

} // namespace gb
