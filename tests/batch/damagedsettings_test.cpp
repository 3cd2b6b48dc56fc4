// Batch settings records whose number slots hold damaged numbers, loaded and run as the
// batch editor runs them: validation refuses each, naming the setting, or the run writes
// every output.
#include "batch/bejob.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "support/damagednumbers.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>

#include <gtest/gtest.h>

using gb::Value;
using gb::ValueArray;

TEST(DamagedSettings, BatchNumberSlots)
{
    gbtest::ScriptedUi ui;
    const QString src = gbtest::makeTempDir("src");
    const QString source = src + "/a.png";
    ASSERT_TRUE(gb::saveRgb2File(gb::RgbImage::filled(48, 32, 100, 50, 200), source, 0, 95, false, 0.0, 256));
    // The setting each slot's refusal names, and whether 0 lies in the range its page offers.
    const struct {
        int slot;
        const char *name;
        bool zeroAllowed;
    } table[] = {
        {1, "Final images format", true},       {3, "Read only formats images - save as", false},
        {4, "Final images names", false},       {8, "JPG quality", false},
        {10, "Overwrite option", false},        {11, "Enumeration for image names start", true},
        {12, "Standard length for enumeration", true},
    };
    for (const auto &s : table) {
        for (const gbtest::DamagedNumber &number : gbtest::damagedNumbers()) {
            SCOPED_TRACE(gbtest::damagedCase(s.slot, number).toStdString());
            const QString out = gbtest::makeTempDir("out") + "/";
            gb::Be good;
            good.setFinalFolder(out);
            good.setFinalFormat(4);
            good.setOverwrite(1);
            ValueArray record = good.aData().array();
            record[size_t(s.slot - 1)] = Value(number.value);

            gb::BeJob job(nullptr);
            job.setAData(Value(record));
            ui.boxes.clear();
            const bool accepted = job.validate();
            EXPECT_EQ(accepted, number.value == 0 && s.zeroAllowed);
            if (!accepted) {
                ASSERT_EQ(ui.boxes.size(), 1u);
                EXPECT_TRUE(ui.boxes[0].text.contains(QLatin1String(s.name))) << ui.boxes[0].text.toStdString();
                EXPECT_TRUE(QDir(out).isEmpty());
                continue;
            }
            job.run({source});
            ASSERT_EQ(job.lastOutputs().size(), 1);
            int w = 0, h = 0;
            QString error;
            const gb::RgbImage made = gb::createRgbFromFile(job.lastOutputs()[0], w, h, error);
            EXPECT_EQ(made.width(), 48) << job.lastOutputs()[0].toStdString();
            EXPECT_EQ(made.height(), 32);
        }
    }
}
