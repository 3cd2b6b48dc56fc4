#include "common/dialogstate.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

using namespace gb;

namespace {

// Lets the posted undo run.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

TEST(DialogState, MinimisedOrMaximisedDialogsComeBackAndOtherWindowsStay)
{
    static const bool installed = (keepDialogsNormal(qApp), true);
    ASSERT_TRUE(installed);

    QDialog dialog;
    dialog.setFixedSize(200, 100);
    QMessageBox box(QMessageBox::Critical, "Error", "text");
    for (QDialog *d : {&dialog, static_cast<QDialog *>(&box)}) {
        d->show();
        for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
            d->setWindowState(state);
            settle();
            EXPECT_EQ(d->windowState(), Qt::WindowNoState) << state;
            EXPECT_TRUE(d->isVisible());
        }
    }
    // A window that is no dialog keeps what it was given.
    QWidget window;
    window.show();
    window.setWindowState(Qt::WindowMaximized);
    settle();
    EXPECT_EQ(window.windowState(), Qt::WindowMaximized);
}
