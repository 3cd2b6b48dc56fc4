#include "gallery_setup/pagefields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace gb {

QLineEdit *pageEdit(QWidget *parent, const QString &name, const QString &tip, int digits)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(tip);
    if (digits > 0) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
        edit->setMaxLength(digits);
    }
    return edit;
}

QCheckBox *pageCheck(QWidget *parent, const QString &name, const QString &caption, const QString &tip)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    return box;
}

QRadioButton *pageRadio(QWidget *parent, const QString &name, const QString &caption, const QString &tip)
{
    auto *radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    radio->setToolTip(tip);
    return radio;
}

QPushButton *pictureButton(QWidget *parent, const QString &name, const QPixmap &picture, const QString &tip)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size().isEmpty() ? QSize(16, 16) : picture.size());
    button->setToolTip(tip);
    button->setFixedSize(button->iconSize() + QSize(10, 8));
    return button;
}

QPushButton *textButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel *fixedText(QWidget *parent, const QString &text, const QString &name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace gb

namespace gb {

void setRadio(QRadioButton *radio, bool on)
{
    if (radio->isChecked() == on)
        return;
    const bool exclusive = radio->autoExclusive();
    radio->setAutoExclusive(false);
    radio->setChecked(on);
    radio->setAutoExclusive(exclusive);
}

} // namespace gb
