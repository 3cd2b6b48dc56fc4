#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace gbtest {

// Runs action on the modal dialog that the next statement opens (its exec() is then running),
// so a test can fill it in and close it. Work that serves events before the dialog opens (a
// run over many files does) is waited out: the check comes back until a dialog is up, for
// a few seconds at most.
inline void whenModal(std::function<void(QDialog *)> action, int triesLeft = 500)
{
    QTimer::singleShot(triesLeft == 500 ? 0 : 10, [action, triesLeft] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog && triesLeft > 0) {
            whenModal(action, triesLeft - 1);
            return;
        }
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

} // namespace gbtest
