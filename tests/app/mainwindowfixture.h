#pragma once

#include "app/mainshellwindow.h"
#include "app/tools.h"
#include "support/scriptedui.h"
#include "support/windowlook.h"

#include <gtest/gtest.h>

#include <memory>

namespace gbtest {

// The main window with every tool registered, shown with room for the tools' windows; the
// tools are unregistered again afterwards. Message boxes and pickers answer from mUi.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gb::registerTools();
        mMain = std::make_unique<gb::MainShellWindow>();
        mMain->resize(1200, 900);
        mMain->show();
        mMain->refreshCommands();
    }
    void TearDown() override
    {
        mMain.reset();
        settle();
        for (const char *tool : {"BROWSEIMAGES", "BATCHPROCESSING", "HTMLCREATIONS", "RENAMEFILES", "IMAGECOMPOSER",
                                 "PRINTIMAGEGALLERY", "IMAGESPLIT", "COMPACTARCHIVE", "OPENARCHIVE", "NEWARCHIVE"})
            gb::MainShellWindow::unregisterTool(tool);
    }

    ScriptedUi mUi;
    std::unique_ptr<gb::MainShellWindow> mMain;
};

} // namespace gbtest
