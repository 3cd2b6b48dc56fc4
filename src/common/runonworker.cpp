#include "common/runonworker.h"

#include "platform/imagelib/parallel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <memory>
#include <mutex>
#include <utility>

namespace gb {

namespace {

// Carries done to the receiver's thread. It is made there, with done, and only posted by the
// worker, so nothing of done is ever touched on the worker.
class DoneEvent : public QEvent
{
public:
    explicit DoneEvent(std::function<void()> done)
        : QEvent(type())
        , mDone(std::move(done))
    {
    }
    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }
    void run() { mDone(); }

private:
    std::function<void()> mDone;
};

// What the worker shares with the receiver's thread: the guard below while it lives, and the
// event to post to it until it is posted (Qt owns it from then on).
struct Link
{
    std::mutex mutex;
    QObject *guard = nullptr;
    DoneEvent *event = nullptr;
};

// A child of the receiver that stands for it on the worker's side and goes with it. The
// worker posts the event to it only while it lives, under the link's lock, so the post and
// the receiver's end never cross; an event posted and not yet delivered goes with the guard,
// as Qt drops the posted events of an object it deletes, and one never posted goes here.
class Guard : public QObject
{
public:
    Guard(QObject *receiver, std::shared_ptr<Link> link)
        : QObject(receiver)
        , mLink(std::move(link))
    {
        mLink->guard = this;
    }
    ~Guard() override
    {
        std::lock_guard<std::mutex> lock(mLink->mutex);
        mLink->guard = nullptr;
        delete std::exchange(mLink->event, nullptr);
    }

    bool event(QEvent *e) override
    {
        if (e->type() != DoneEvent::type())
            return QObject::event(e);
        // The worker posted under the link's lock: taking it here orders everything the work
        // wrote before the call, in terms a thread checker sees too (the event queue's own
        // locks are not ones it knows).
        { std::lock_guard<std::mutex> lock(mLink->mutex); }
        // Later: done may end the receiver, and the guard with it.
        deleteLater();
        static_cast<DoneEvent *>(e)->run();
        return true;
    }

private:
    std::shared_ptr<Link> mLink;
};

} // namespace

bool runOnWorker(QObject *receiver, std::function<void()> work, std::function<void()> done)
{
    if (!receiver || startWorkerThreads(1) < 1)
        return false;
    auto link = std::make_shared<Link>();
    link->event = new DoneEvent(std::move(done));
    new Guard(receiver, link);
    postToWorkerThreads([link, work = std::move(work)]() mutable {
        try {
            work();
        } catch (...) {
        }
        // What the work held goes here, on the worker, whatever became of the receiver.
        work = nullptr;
        std::lock_guard<std::mutex> lock(link->mutex);
        if (link->guard)
            QCoreApplication::postEvent(link->guard, std::exchange(link->event, nullptr));
    });
    return true;
}

} // namespace gb
