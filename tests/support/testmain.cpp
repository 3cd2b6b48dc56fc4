// The main of every test program: a QApplication on the offscreen platform (window tests
// drive real widgets) and a fresh GLIMMERBOX_HOME, so no test touches the user's settings.

#include "support/testutil.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("GLIMMERBOX_HOME", gbtest::homeDir().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
