#include "common/eventpacer.h"

#include "common/orderedwork.h"

#include <QCoreApplication>

namespace gb {

EventPacer::EventPacer(std::function<void()> serve)
    : mServe(serve ? std::move(serve) : [] { QCoreApplication::processEvents(); })
{
    mSince.start();
}

void EventPacer::serve()
{
    if (mSince.elapsed() >= kIntervalMs)
        serveNow();
}

void EventPacer::serveNow()
{
    mServe();
    mSince.restart();
}

void runAside(const std::function<void()> &work, std::function<void()> serve)
{
    // A single item of ordered work goes to a worker while take() serves events.
    OrderedWork aside(1, workerThreads(), [&work](int) { work(); });
    if (serve)
        aside.serveEventsWith(std::move(serve));
    aside.take(0);
}

} // namespace gb
