#include "common/dialogunits.h"

#include "resources/resourceclasses.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
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

void DialogUnits::fitCaption(QWidget *dialog)
{
    // Title bars write the caption in a bold face of about the application's size; the icon,
    // the frame buttons and the label's margins take about nine text heights more.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int needed = metrics.horizontalAdvance(dialog->windowTitle()) + 9 * metrics.height();
    const int added = needed - dialog->width();
    if (added <= 0)
        return;
    for (QWidget *control : dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->move(control->x() + added / 2, control->y());
    dialog->setFixedSize(needed, dialog->height());
}

ControlPlacer::ControlPlacer(QWidget *parent, const DialogUnits &units, QPoint origin)
    : mParent(parent), mUnits(units), mOrigin(origin)
{
}

QRect ControlPlacer::rect(const QRect &place) const
{
    // The origin is added in dialog units, before rounding, as the layout was drawn.
    return mUnits.rect(place.translated(mOrigin));
}

void ControlPlacer::put(QWidget *control, const QRect &place, const QString &name) const
{
    if (!name.isEmpty())
        control->setObjectName(name);
    control->setGeometry(rect(place));
}

QLabel *ControlPlacer::label(const QString &text, const QRect &place, const QString &name) const
{
    auto *l = new QLabel(text, mParent);
    put(l, place, name);
    return l;
}

QLineEdit *ControlPlacer::edit(const QString &name, const QRect &place, const QString &pattern) const
{
    auto *e = new QLineEdit(mParent);
    put(e, place, name);
    if (!pattern.isEmpty())
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), e));
    return e;
}

QPushButton *ControlPlacer::button(const QString &name, const QString &text, const QRect &place) const
{
    auto *b = new QPushButton(text, mParent);
    put(b, place, name);
    b->setAutoDefault(false);
    return b;
}

QPushButton *ControlPlacer::bitmapButton(const QString &name, const QString &bitmap, const QString &fallback,
                                         const QRect &place) const
{
    QPushButton *b = button(name, QString(), place);
    const QPixmap icon = resourceBitmap(bitmap);
    if (icon.isNull())
        b->setText(fallback);
    else
        b->setIcon(QIcon(icon));
    return b;
}

void makeEnterButton(QPushButton *button)
{
    for (QPushButton *other : button->window()->findChildren<QPushButton *>()) {
        if (other != button)
            other->setAutoDefault(false);
    }
    button->setDefault(true);
}

QCheckBox *ControlPlacer::checkBox(const QString &name, const QString &text, const QRect &place) const
{
    auto *c = new QCheckBox(text, mParent);
    put(c, place, name);
    return c;
}

QRadioButton *ControlPlacer::radio(const QString &name, const QString &text, const QRect &place) const
{
    auto *r = new QRadioButton(text, mParent);
    put(r, place, name);
    return r;
}

QComboBox *ControlPlacer::combo(const QString &name, const QRect &place) const
{
    auto *c = new QComboBox(mParent);
    put(c, place, name);
    return c;
}

QLabel *ControlPlacer::framedGroup(const QString &title, const QRect &frame, int titleIndent) const
{
    auto *box = new QLabel(mParent);
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    put(box, frame);
    QLabel *t = label(title, QRect(frame.x() + titleIndent, frame.y() - 4, frame.width() - 2 * titleIndent, 8));
    t->setAutoFillBackground(true);
    t->adjustSize();
    return t;
}

} // namespace gb
