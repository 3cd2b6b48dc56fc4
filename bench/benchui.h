#pragma once

// The UI of a benchmark run: nobody in front of the screen. Questions are answered No,
// progress windows show nothing, and boxes, log lines and error logs that tell of a failure
// are counted (and written to the standard error) so that the run can report them.

#include "common/batchprogress.h"
#include "common/uiseam.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <optional>

namespace gbbench {

class QuietUi : public gb::UiSeam
{
public:
    int failures = 0;

    void errorBox(QWidget *, const QString &text) override
    {
        ++failures;
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    int textBox(QWidget *, const QString &, const QString &, unsigned) override { return ResultNo; }
    QStringList openFileNames(QWidget *, const QString &, const QString &, const QStringList &, int *, bool) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QStringList &, int *) override { return {}; }
    QString folderName(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<uint32_t> colorChoice(QWidget *, uint32_t) override { return std::nullopt; }
    void openUrl(QWidget *, const QString &, std::function<void(QWidget *)>) override {}
    void reportErrors(QWidget *, const QStringList &errors) override
    {
        failures += int(errors.size());
        for (const QString &e : errors)
            std::fprintf(stderr, "error log: %s\n", qPrintable(e));
    }
    // A log line that is not a success is a failure.
    std::unique_ptr<gb::BatchProgress> batchProgress(QWidget *) override
    {
        struct Progress : gb::SilentBatchProgress {
            QuietUi *ui;
            explicit Progress(QuietUi *u) : ui(u) {}
            void updateLog(const QString &text) override
            {
                if (!text.endsWith(QLatin1String(" - Finished"))) {
                    ++ui->failures;
                    std::fprintf(stderr, "log: %s\n", qPrintable(text));
                }
            }
        };
        return std::make_unique<Progress>(this);
    }
};

} // namespace gbbench
