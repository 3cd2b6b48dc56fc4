// Settings records whose number slots hold damaged numbers, loaded and run as the wizards
// run them: validation refuses each, naming the setting, or the run makes its sheets and
// pages. No run reports success without output, and nothing overflows on the way.
#include "image/imageload.h"
#include "platform/imagelib/rgbimage.h"
#include "sheets/compositejob.h"
#include "sheets/pdftools.h"
#include "sheets/printfixture.h"
#include "sheets/printgalleryjob.h"
#include "support/damagednumbers.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using gb::Value;
using gb::ValueArray;

namespace {

// A number slot of a job: the setting's name as its refusal must give it, and whether 0
// lies in the range its page offers (0 is then a setting like any other).
struct NumberSlot {
    int slot;
    const char *name;
    bool zeroAllowed;
};

// What a refused record must have shown: one error log that names the setting.
void expectRefusal(const gbtest::ScriptedUi &ui, const NumberSlot &s)
{
    ASSERT_EQ(ui.errorLogs.size(), 1u);
    const QString log = ui.errorLogs[0].join(QLatin1Char('\n'));
    EXPECT_TRUE(log.contains(QLatin1String(s.name))) << log.toStdString();
}

} // namespace

TEST(DamagedSettings, ContactSheetNumberSlots)
{
    gbtest::ScriptedUi ui;
    const QString src = gbtest::makeTempDir("src");
    const QStringList files = {gbtest::writeImage(src + "/a.png", 40, 30, 0xFF0000)};
    const NumberSlot table[] = {
        {1, "Composite image size", true},   {2, "Composite image width", false},
        {3, "Composite image height", false}, {4, "Composite image file type", false},
        {7, "JPG quality", false},            {9, "Overwrite option", false},
        {10, "Thumbnail width", false},       {11, "Thumbnail height", false},
        {12, "Horizontal spacing", true},     {13, "Vertical spacing", true},
        {14, "Border size", true},            {15, "Image background", true},
        {16, "Thumbnails background", true},  {17, "Border", true},
    };
    for (const NumberSlot &s : table) {
        for (const gbtest::DamagedNumber &number : gbtest::damagedNumbers()) {
            const QString what = gbtest::damagedCase(s.slot, number);
            SCOPED_TRACE(what.toStdString());
            const QString out = gbtest::makeTempDir("out") + "/";
            gb::HComposite good;
            good.setFolder(out);
            good.setImageSize(0);
            good.setImageWidth(300);
            good.setImageHeight(200);
            good.setSaveAs(4);
            good.setOverwrite(1);
            ValueArray record = good.data();
            record[size_t(s.slot - 1)] = Value(number.value);

            gb::CompositeJob job(nullptr);
            job.setAData(Value(record));
            ui.errorLogs.clear();
            ui.boxes.clear();
            const bool accepted = job.validate();
            EXPECT_EQ(accepted, number.value == 0 && s.zeroAllowed);
            if (!accepted) {
                expectRefusal(ui, s);
                continue;
            }
            job.run(files);
            ASSERT_FALSE(ui.boxes.empty());
            EXPECT_EQ(ui.boxes.back().text,
                      "Procedure completed. \r\n\r\n1 composite image(s) were created at folder " + out);
            int w = 0, h = 0;
            QString error;
            const gb::RgbImage sheet = gb::createRgbFromFile(out + "CSheet1.png", w, h, error);
            EXPECT_EQ(sheet.width(), 300);
            EXPECT_EQ(sheet.height(), 200);
        }
    }
}

namespace {
struct DamagedPrint : gbtest::PrintToPdf {};
} // namespace

TEST_F(DamagedPrint, PrintNumberSlots)
{
    const QStringList files = {gbtest::writeImage(dir + "/damaged-pic.png", 60, 40, 0x00FF00)};
    // The grid top and startCol have no page: any number they hold is printed with.
    const NumberSlot table[] = {
        {1, "Thumbnail width", false},   {2, "Thumbnail height", false},
        {3, "Horizontal spacing", true}, {4, "Vertical spacing", true},
        {5, "Number of thumbnails columns", false},
        {16, "Left margin", true},       {17, "Right margin", true},
        {18, "Top margin", true},        {19, "Bottom margin", true},
    };
    const auto runs = [&](int slot, double value) {
        ValueArray record = gb::HPrGallery().data();
        record[size_t(slot - 1)] = Value(value);
        gb::PrintGalleryJob job(nullptr);
        job.setAData(Value(record));
        ui.errorLogs.clear();
        QFile::remove(pdf);
        if (!job.validate())
            return false;
        job.setPrintFlag(true);
        job.run(files);
        return true;
    };
    const auto expectPrintout = [&] {
        ASSERT_GE(gbtest::pdfPageCount(pdf), 1);
        EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("damaged-pic"));
    };
    for (const NumberSlot &s : table) {
        for (const gbtest::DamagedNumber &number : gbtest::damagedNumbers()) {
            SCOPED_TRACE(gbtest::damagedCase(s.slot, number).toStdString());
            const bool accepted = runs(s.slot, number.value);
            EXPECT_EQ(accepted, number.value == 0 && s.zeroAllowed);
            if (accepted)
                expectPrintout();
            else
                expectRefusal(ui, s);
        }
    }
    for (const int slot : {13, 14}) {
        for (const gbtest::DamagedNumber &number : gbtest::damagedNumbers()) {
            SCOPED_TRACE(gbtest::damagedCase(slot, number).toStdString());
            ASSERT_TRUE(runs(slot, number.value));
            expectPrintout();
        }
    }
}
