#include "common/colorvalues.h"

#include "common/uiseam.h"

namespace gb {

QString redFromRgb(uint32_t color) { return QString::number(red(color)); }
QString greenFromRgb(uint32_t color) { return QString::number(green(color)); }
QString blueFromRgb(uint32_t color) { return QString::number(blue(color)); }

QString byte2Hex(int value)
{
    return QStringLiteral("%1").arg(value & 255, 2, 16, QLatin1Char('0')).toUpper();
}

QString hexStrColor(uint32_t color)
{
    return byte2Hex(red(color)) + byte2Hex(green(color)) + byte2Hex(blue(color));
}

uint32_t changeColor(QWidget *owner, uint32_t color)
{
    const std::optional<uint32_t> chosen = ui().colorChoice(owner, color);
    if (!chosen)
        return color;
    return makeColorRef(red(*chosen), green(*chosen), blue(*chosen));
}

} // namespace gb
