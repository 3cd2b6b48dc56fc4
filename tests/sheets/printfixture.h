#pragma once

#include "sheets/pdfprinthost.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QString>

#include <gtest/gtest.h>

#include <cstdint>

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

// Writes a PNG of one colour (or, with a second colour, a left and a right half); the path.
QString writeImage(const QString &path, int width, int height, uint32_t rgb, int64_t rightRgb = -1);

// Sets the "Print Options" integers back to their defaults and the logo to empty.
void resetPrintOptions();

} // namespace gbtest
