#pragma once

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>

#include <memory>
#include <vector>

namespace gbtest {

// Shows the dialog, types Enter in `field` (the dialog itself when null) as a user would, and
// returns the texts of the push buttons that the key pressed, in order, without their '&'.
// The key goes where a key typed into the field goes: to the field, then to its parents.
inline QStringList buttonsPressedByEnter(QDialog &dialog, QWidget *field = nullptr)
{
    auto pressed = std::make_shared<QStringList>();
    std::vector<QMetaObject::Connection> watching;
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        watching.push_back(QObject::connect(button, &QPushButton::clicked, &dialog, [pressed, button] {
            *pressed << button->text().remove(QLatin1Char('&'));
        }));
    dialog.show();
    QWidget *target = field ? field : &dialog;
    target->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &release);
    for (const QMetaObject::Connection &c : watching)
        QObject::disconnect(c);
    return *pressed;
}

} // namespace gbtest
