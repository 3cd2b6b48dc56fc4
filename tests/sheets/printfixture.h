#pragma once

#include "common/batchprogress.h"
#include "sheets/pdfprinthost.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace gbtest {

// Every print of a test goes to one PDF file in a fresh folder; message boxes are scripted.
struct PrintToPdf : ::testing::Test {
    QString dir = makeTempDir();
    QString pdf = dir + "/out.pdf";
    gb::PdfPrintHost host{pdf};
    ScriptedUi ui;
    void SetUp() override { gb::setPrintHost(&host); }
    void TearDown() override { gb::setPrintHost(nullptr); }
};

// A user who presses Abort (confirmed) in the progress window of a run while the run places
// file abortAtFile (1-based), or while the abortAtAction-th step named abortAction is under
// way: the press is an event queued then, which the run handles only where it serves events.
// Tells whether the run handled it before its next step, and whether the run ended its window.
struct AbortingUi : ScriptedUi {
    int abortAtFile = 0;
    QString abortAction;
    int abortAtAction = 0;
    bool abortedInStep = false;
    bool ended = false;

    std::unique_ptr<gb::BatchProgress> batchProgress(QWidget *owner) override;

private:
    void press();
    int mSteps = 0;
    int mActions = 0;
};

// Writes a PNG of one colour (or, with a second colour, a left and a right half); the path.
QString writeImage(const QString &path, int width, int height, uint32_t rgb, int64_t rightRgb = -1);

// Sets the "Print Options" integers back to their defaults and the logo to empty.
void resetPrintOptions();

} // namespace gbtest
