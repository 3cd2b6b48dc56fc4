#include "batch/commandinfo.h"

#include "batch/batchaction.h"
#include "common/colorvalues.h"
#include "common/sharedhelpers.h"

#include <cmath>

namespace gb {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The ways a value is written.
QString number(const Value &v)
{
    const double d = v.toNumber();
    return d == std::trunc(d) ? QString::number(checkedInteger<qint64>(d)) : QString::number(d);
}

QString wholeNumber(const Value &v)
{
    return QString::number(checkedInteger<qint64>(v.toNumber()));
}

QString roundedNumber(const Value &v)
{
    return QString::number(checkedInteger<qint64>(std::round(v.toNumber())));
}

QString yesNo(const Value &v)
{
    return v.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
}

// Fractions are whole percentages divided by 100; rounding gives the percentage back
// (0.29 * 100 is 28.999...).
QString percent(const Value &v)
{
    return QString::number(checkedInteger<qint64>(std::round(v.toNumber() * 100.0)));
}

QString signedPercent(const Value &v)
{
    return (v.toNumber() > 0 ? QStringLiteral("+") : QString()) + percent(v);
}

// The colour as a run applies it.
QString colourLine(const QString &label, const BatchCommand &command, int slot, const QString &middle,
                   const QString &last)
{
    const uint32_t c = command.colourAt(slot);
    return label + redFromRgb(c) + middle + greenFromRgb(c) + last + blueFromRgb(c);
}

QString rgbLine(const QString &label, const BatchCommand &c, int firstSlot, const QString &middle, const QString &last)
{
    return label + number(c.typedSlot(firstSlot)) + middle + number(c.typedSlot(firstSlot + 1)) + last
           + number(c.typedSlot(firstSlot + 2));
}

QStringList parameterLines(const BatchCommand &c)
{
    auto s = [&c](int n) { return c.typedSlot(n); };
    const QString rgbMiddle = QStringLiteral(" Green: "), rgbLast = QStringLiteral(" Blue: ");
    const QString shortMiddle = QStringLiteral(" G: "), shortLast = QStringLiteral(" B: ");
    switch (c.id()) {
    case ActionOverlayText:
        return {"Text: " + s(3).toString(),
                "Font: " + s(4).toString(),
                "Size: " + number(s(5)),
                "Bold: " + yesNo(s(6)),
                "Italics: " + yesNo(s(7)),
                "Underline: " + yesNo(s(8)),
                colourLine("Text Color:  Red: ", c, 9, rgbMiddle, rgbLast),
                "Text Alignment: " + getAlignDesc(s(10).toInt()),
                "Left Margin: " + number(s(11)),
                "Top Margin: " + number(s(12)),
                "Right Margin: " + number(s(13)),
                "Bottom Margin: " + number(s(14)),
                "Transparent: " + yesNo(s(15)),
                rgbLine("BackGround Color:  R: ", c, 16, shortMiddle, shortLast)};
    case ActionOverlayImage:
        return {"Overlay image: " + s(3).toString(),
                "Image Alignment: " + getAlignDesc(s(4).toInt()),
                "Left Margin: " + number(s(5)),
                "Top Margin: " + number(s(6)),
                "Right Margin: " + number(s(7)),
                "Bottom Margin: " + number(s(8)),
                "Transparent: " + yesNo(s(9)),
                colourLine("Transparent Color:  Red: ", c, 10, rgbMiddle, rgbLast),
                "Opacity: " + percent(s(11))};
    case ActionRotate:
        return {"Angle: " + wholeNumber(s(3)), colourLine("Background Color:  Red: ", c, 4, rgbMiddle, rgbLast)};
    case ActionResize:
        return {"Type: " + getResizeTypeDesc(s(3).toInt()),
                "Width: " + roundedNumber(s(4)),
                "Height: " + roundedNumber(s(5)),
                "Percent: " + roundedNumber(s(6))};
    case ActionAddBorder:
        return {"Top: " + number(s(3)),
                "Left: " + number(s(4)),
                "Right: " + number(s(5)),
                "Bottom: " + number(s(6)),
                rgbLine("Color:  R: ", c, 7, shortMiddle, shortLast)};
    case ActionButtonize:
        return {"Size: " + number(s(3)), rgbLine("Color:  R: ", c, 4, shortMiddle, shortLast)};
    case ActionGlassFrame:
        return {"Size: " + number(s(3))};
    case ActionBlur:
    case ActionSharpen:
        return {"Level: " + number(s(3))};
    case ActionBrightnessContrast:
        return {"Brightness: " + signedPercent(s(3)), "Contrast: " + signedPercent(s(4))};
    case ActionReplaceColor: {
        const uint32_t newColour = c.colourAt(6);
        return {"Old Red: " + number(s(3)),
                "Old Green: " + number(s(4)),
                "Old Blue: " + number(s(5)),
                "New Red: " + QString::number(red(newColour)),
                "New Green: " + QString::number(green(newColour)),
                "New Blue: " + QString::number(blue(newColour)),
                "Tollerance: " + number(s(7))};
    }
    case ActionHistogramEqualize:
        return {"Low: " + wholeNumber(s(3)),
                "Hi: " + wholeNumber(s(4)),
                "Apply to Red Channel: " + yesNo(s(5)),
                "Apply to Green Channel: " + yesNo(s(6)),
                "Apply to Blue Channel: " + yesNo(s(7))};
    case ActionChangeColorDepth:
        return {"Colors: " + returnNoOfColors(s(3).toInt(), s(4).toInt())};
    default:
        return {};
    }
}

} // namespace

QString getCommandInfo(const BatchCommand &command)
{
    QString text = QStringLiteral("Action: ") + command.description() + kCrLf + kCrLf;
    for (const QString &line : parameterLines(command))
        text += line + kCrLf;
    return text;
}

QString returnNoOfColors(int code, int count)
{
    switch (code) {
    case 1: return QStringLiteral("2 Colors (1 bit)");
    case 2: return QStringLiteral("16 Colors (4 bits)");
    case 3: return QStringLiteral("64 Colors (6 bits)");
    case 4: return QStringLiteral("256 Colors (8 bits)");
    case 5: return QStringLiteral("16 Million (24 bits)");
    case 6: return QString::number(count);
    default: return QString();
    }
}

} // namespace gb
