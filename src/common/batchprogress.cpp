#include "common/batchprogress.h"

#include <cstdio>

namespace gb {

bool glAbortBatch = false;

namespace {

class HeadlessBatchProgress final : public BatchProgress
{
public:
    void setCaption(const QString &) override {}
    void setIdle(bool) override {}
    void setRange(int, int) override {}
    void setPosition(int position) override { mPosition = position; }
    int position() const override { return mPosition; }
    void show() override {}
    void showControls() override {}
    void noOfFiles(int, int) override {}
    void setFile(const QString &) override {}
    void setCurrentAction(const QString &) override {}
    QSize previewBox() const override { return {}; }
    void showPreview(RgbImage) override {}
    void updateLog(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void setButtonCaption(const QString &) override {}
    void endDialog(int) override {}

private:
    int mPosition = 0;
};

} // namespace

std::unique_ptr<BatchProgress> createHeadlessBatchProgress()
{
    return std::make_unique<HeadlessBatchProgress>();
}

} // namespace gb
