#pragma once

#include "common/batchprogresswin.h"
#include "support/scriptedui.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace gbtest {

// Scripted answers, and the program's real progress window for every run, whose Abort a test
// presses as a user would: answering Yes to its question the first time `when` holds for the
// window while the run serves events.
class ProgressWinUi : public ScriptedUi
{
public:
    QPointer<gb::BatchProgressWin> window;
    bool pressed = false;

    std::unique_ptr<gb::BatchProgress> batchProgress(QWidget *owner) override
    {
        return gb::createBatchProgressWin(owner, &window);
    }

    void abortWhen(std::function<bool(const gb::BatchProgressWin &)> when)
    {
        mWhen = std::move(when);
        QObject::connect(&mWatch, &QTimer::timeout, [this] {
            if (pressed || !window || !mWhen(*window))
                return;
            pressed = true;
            boxAnswers = {gb::UiSeam::ResultYes};
            window->theButton()->click();
        });
        mWatch.start(0);
    }

private:
    std::function<bool(const gb::BatchProgressWin &)> mWhen;
    QTimer mWatch;
};

} // namespace gbtest
