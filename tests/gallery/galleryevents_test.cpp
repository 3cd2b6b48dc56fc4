// The late phases of a gallery run, reading the images' sizes and writing the pages, serve
// events while they work, and an Abort set from one of those events ends the run there.

#include "galleryfixture.h"

#include "batch/batchaction.h"
#include "common/batchprogress.h"
#include "support/runui.h"
#include "support/testutil.h"
#include "support/workers.h"

#include <QDir>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using gb::GalleryRunResult;
using gb::HGallery;

namespace {

const QString kFulls = "Creating and Processing Full Size Images";

// Does work in an event queued now, handled whenever the thread next serves events; what is
// still queued when the object goes is dropped.
class Queued
{
public:
    void queue(const std::function<void()> &work)
    {
        if (work)
            QTimer::singleShot(0, &mContext, work);
    }

private:
    QObject mContext;
};

// A user who queues an event when the page phase's please-wait window opens (atPages), or
// when the full-size phase has logged its last file (afterImages).
class QueuingUi : public gbtest::RunUi
{
public:
    std::function<void()> atPages;
    std::function<void()> afterImages;

    QueuingUi()
    {
        lastLogged = [this](const QString &caption) {
            if (caption == kFulls)
                mQueued.queue(afterImages);
        };
    }
    void pleaseWaitShow(QWidget *owner, const QString &text) override
    {
        RunUi::pleaseWaitShow(owner, text);
        mQueued.queue(atPages);
    }

private:
    Queued mQueued;
};

// Forty small photos, one to a page of thumbnails: 40 thumbnail pages, 40 full-size pages
// and the master index, more pages than the workers take ahead of the window's thread.
constexpr int kPhotos = 40;
constexpr int kPages = 2 * kPhotos + 1;

QStringList makeSources()
{
    return gbtest::makeSources(kPhotos, 64, 48);
}

HGallery onePhotoAPage()
{
    gb::initializeActions();
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    g.setThRows(1);
    g.setThColumns(1);
    g.setLaunchHtml(true);
    return g;
}

QStringList pagesIn(const QString &folder)
{
    return QDir(folder).entryList({"*.htm"}, QDir::Files, QDir::Name);
}

// Files whose names start with "." (a page's temporary file while it is written).
QStringList hiddenIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name).filter(QRegularExpression("^\\."));
}

} // namespace

// The images' headers are read on the workers while the caller serves events: an event
// queued before the pass is handled in it, and an Abort set there gives no pages at all.
TEST(GalleryEvents, TheSizesAreReadWhileEventsAreServed)
{
    gbtest::ScriptedUi ui;
    HGallery g = gbtest::textLinkGallery(gbtest::makeBaseFolder());
    ASSERT_TRUE(g.validate().isEmpty());
    QStringList thumbs, fulls;
    for (int i = 1; i <= 20; ++i) {
        thumbs << g.baseFolder() + QStringLiteral("thumbs/t%1.bmp").arg(i);
        fulls << g.baseFolder() + QStringLiteral("fsimages/f%1.bmp").arg(i);
        ASSERT_TRUE(gbtest::makeImage(thumbs.last(), 40, 30));
        ASSERT_TRUE(gbtest::makeImage(fulls.last(), 101, 20));
    }
    for (const bool abort : {false, true}) {
        bool served = false;
        {
            Queued queued;
            queued.queue([&] {
                served = true;
                gb::glAbortBatch = abort;
            });
            const gb::GalleryPages pages = g.createVirtualPages(thumbs, fulls, {});
            EXPECT_TRUE(served) << "no event was served while the sizes were read";
            if (abort) {
                EXPECT_TRUE(pages.empty());
                continue;
            }
            ASSERT_EQ(pages.size(), 2u);
            EXPECT_EQ(pages[1].images.back().fullWidth, "101");
            EXPECT_EQ(pages[1].images.back().byteSize, 6134);
        }
    }
    gb::glAbortBatch = false;
}

// The workers write the pages while the window's thread serves events between them: an
// event queued as the page phase starts is handled while its window, with its Abort, is
// open, before the last page is named; the run completes.
TEST(GalleryEvents, PagesAreWrittenWhileEventsAreServed)
{
    gbtest::WorkerThreadsSetting threads(3);
    const QStringList sources = makeSources();
    QueuingUi ui;
    bool served = false;
    bool windowOpen = false;
    qsizetype named = 0;
    ui.atPages = [&] {
        served = true;
        windowOpen = ui.pleaseWaitOpen;
        named = ui.pleaseWaitTexts.size();
    };
    HGallery g = onePhotoAPage();
    const GalleryRunResult result = g.generate(sources, {});
    EXPECT_TRUE(result.completed());
    EXPECT_TRUE(served) << "no event was served while the pages were written";
    EXPECT_TRUE(windowOpen);
    EXPECT_TRUE(ui.pleaseWaitAbortable);
    EXPECT_EQ(ui.pleaseWaitTexts.size(), 1 + kPages);
    EXPECT_LT(named, ui.pleaseWaitTexts.size());
    EXPECT_FALSE(ui.pleaseWaitOpen);
    EXPECT_EQ(pagesIn(g.baseFolder()).size(), kPages);
    EXPECT_EQ(ui.urls, QStringList{g.baseFolder() + "masteridx.htm"});
}

// An Abort from an event served while the pages are written ends the run there, as an
// abort in the image phases does: quietly, no browser, and every page on disk is whole
// (what a complete run writes, no temporary file left). With one thread the run stops after
// the first page; with more, the workers' pages ahead are finished and the rest never begun.
TEST(GalleryEvents, AnAbortWhilePagesAreWrittenLeavesOnlyWholePages)
{
    const QStringList sources = makeSources();
    QueuingUi complete;
    HGallery reference = onePhotoAPage();
    ASSERT_TRUE(reference.generate(sources, {}).completed());
    const QString whole = reference.baseFolder();
    ASSERT_EQ(pagesIn(whole).size(), kPages);

    for (const int count : {1, 3}) {
        gbtest::WorkerThreadsSetting threads(count);
        QueuingUi ui;
        ui.atPages = [] { gb::glAbortBatch = true; };
        HGallery g = onePhotoAPage();
        const GalleryRunResult result = g.generate(sources, {});
        EXPECT_TRUE(result.aborted) << count;
        EXPECT_TRUE(ui.errorLogs.empty()) << "an abort ends quietly";
        EXPECT_TRUE(ui.urls.isEmpty());
        EXPECT_FALSE(ui.pleaseWaitOpen);
        const QString base = g.baseFolder();
        const QStringList pages = pagesIn(base);
        if (count == 1) {
            EXPECT_EQ(pages, QStringList{"thumb0001.htm"});
        }
        EXPECT_FALSE(pages.isEmpty()) << count;
        EXPECT_LT(pages.size(), kPages) << count;
        EXPECT_FALSE(pages.contains("masteridx.htm")) << count;
        for (const QString &page : pages)
            EXPECT_EQ(gbtest::readFile(base + page), gbtest::readFile(whole + page)) << page.toStdString();
        EXPECT_EQ(hiddenIn(base), QStringList{}) << count;
        gb::glAbortBatch = false;
    }
}

// An Abort seen between the image phases' end and the pages (the images are all made)
// writes no page and ends the run quietly.
TEST(GalleryEvents, AnAbortAfterTheImagesWritesNoPage)
{
    const QStringList sources = makeSources();
    QueuingUi ui;
    ui.afterImages = [] { gb::glAbortBatch = true; };
    HGallery g = onePhotoAPage();
    const GalleryRunResult result = g.generate(sources, {});
    EXPECT_TRUE(result.aborted);
    EXPECT_TRUE(ui.errorLogs.empty());
    EXPECT_TRUE(ui.urls.isEmpty());
    const QString base = g.baseFolder();
    EXPECT_EQ(QDir(base + "fsimages").entryList(QDir::Files).size(), kPhotos);
    EXPECT_EQ(pagesIn(base), QStringList{});
    EXPECT_TRUE(ui.pleaseWaitTexts.isEmpty());
    gb::glAbortBatch = false;
}
