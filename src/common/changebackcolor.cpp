#include "common/changebackcolor.h"

#include "common/colorvalues.h"

#include <QPalette>
#include <QWidget>

namespace gb {

void changeBackColor(QWidget *control, uint32_t color)
{
    if (!control)
        return;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, QColor(red(color), green(color), blue(color)));
    palette.setColor(QPalette::Base, QColor(red(color), green(color), blue(color)));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
    control->update();
}

} // namespace gb
