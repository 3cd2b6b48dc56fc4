#include "common/dialogunits.h"

#include <QFontMetrics>
#include <QWidget>

namespace gb {

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    // The average width is taken over the alphabet, as the platform measures it.
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    mCharWidth = qMax(1, (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2);
    mCharHeight = qMax(1, metrics.height());
}

int DialogUnits::x(int units) const
{
    return (units * mCharWidth + 2) / 4;
}

int DialogUnits::y(int units) const
{
    return (units * mCharHeight + 4) / 8;
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

QSize DialogUnits::size(int width, int height) const
{
    return QSize(x(width), y(height));
}

QFont DialogUnits::dialogFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    return font;
}

DialogUnits DialogUnits::setUp(QWidget *dialog, int width, int height)
{
    dialog->setFont(dialogFont());
    const DialogUnits units(dialog->font());
    dialog->setFixedSize(units.size(width, height));
    return units;
}

} // namespace gb
