#include "sheets/printfixture.h"

#include "common/registry.h"
#include "image/imagesave.h"
#include "platform/imagelib/rgbimage.h"

#include <QTimer>

namespace gbtest {

QString writeImage(const QString &path, int width, int height, uint32_t rgb, int64_t rightRgb)
{
    gb::RgbImage img = gb::RgbImage::filled(width, height, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
    if (rightRgb >= 0) {
        for (int y = 0; y < height; ++y)
            for (int x = width / 2; x < width; ++x) {
                uint8_t *p = img.pixel(x, y);
                p[0] = uint8_t(rightRgb >> 16);
                p[1] = uint8_t(rightRgb >> 8);
                p[2] = uint8_t(rightRgb);
            }
    }
    EXPECT_TRUE(gb::saveRgb2File(img, path, 4, 80, false, 0, 0));
    return path;
}

std::unique_ptr<gb::BatchProgress> AbortingUi::batchProgress(QWidget *)
{
    struct Progress : gb::SilentBatchProgress {
        AbortingUi *ui;
        explicit Progress(AbortingUi *u) : ui(u) {}
        void noOfFiles(int current, int) override
        {
            ++ui->mSteps;
            if (current == ui->abortAtFile)
                ui->press();
        }
        void setCurrentAction(const QString &text) override
        {
            ++ui->mSteps;
            if (text == ui->abortAction && ++ui->mActions == ui->abortAtAction)
                ui->press();
        }
        void endDialog(int) override { ui->ended = true; }
    };
    return std::make_unique<Progress>(this);
}

void AbortingUi::press()
{
    QTimer::singleShot(0, [this, step = mSteps] {
        abortedInStep = mSteps == step;
        gb::glAbortBatch = true;
    });
}

void resetPrintOptions()
{
    int count = 0;
    const gb::RegIntDefault *rows = gb::regIntDefaults(&count);
    for (int i = 0; i < count; ++i)
        if (QString(rows[i].section) == "Print Options")
            gb::kvtSetRtRegInt(rows[i].section, rows[i].name, rows[i].value);
    gb::kvtSetRtRegString("Print Options", "Company Logo", "");
}

} // namespace gbtest
