#include "common/uiseam.h"

#include "common/batchprogress.h"

#include <cstdio>

namespace gb {

namespace {

class HeadlessUi final : public UiSeam
{
public:
    void errorBox(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "Error: %s\n", qPrintable(text));
    }
    int textBox(QWidget *, const QString &caption, const QString &text, unsigned type) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        return (type & 0x0f) == YesNo ? ResultNo : ResultOk;
    }
    QStringList openFileNames(QWidget *, const QString &, const QString &, const QStringList &, int *,
                              bool) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QStringList &, int *) override
    {
        return {};
    }
    QString folderName(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<uint32_t> colorChoice(QWidget *, uint32_t) override { return std::nullopt; }
    void openUrl(QWidget *owner, const QString &, std::function<void(QWidget *)> failed) override
    {
        if (failed)
            failed(owner);
    }
};

HeadlessUi gHeadless;
UiSeam *gCurrent = nullptr;

} // namespace

std::unique_ptr<BatchProgress> UiSeam::batchProgress(QWidget *)
{
    return createHeadlessBatchProgress();
}

void UiSeam::reportErrors(QWidget *, const QStringList &errors)
{
    for (const QString &e : errors)
        std::fprintf(stderr, "Error Log: %s\n", qPrintable(e));
}

UiSeam &ui()
{
    return gCurrent ? *gCurrent : gHeadless;
}

void setUi(UiSeam *seam)
{
    gCurrent = seam;
}

} // namespace gb
