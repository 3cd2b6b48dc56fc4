#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace gbtest {

// Runs action on the modal dialog that the next statement opens (its exec() is then running),
// so a test can fill it in and close it.
inline void whenModal(std::function<void(QDialog *)> action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

} // namespace gbtest
