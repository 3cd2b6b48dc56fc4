#include "sheets/printdialoghost.h"
#include "sheets/reportjob.h"
#include "sheets/rpprinter.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Two pages, counting how often the preview ran them.
struct TwoPages : gb::ReportJob {
    int starts = 0;
    int bodies = 0;
    int printStart(gb::RpPrinter &) override { return ++starts, -1; }
    int printSetPage(gb::RpPrinter &, int &page) override { return page; }
    int printPageHeader(gb::RpPrinter &d) override
    {
        d.setUnitOfMeasure(gb::RpPrinter::DevicePixel);
        d.textOut(0, 0, "Preview page");
        return -1;
    }
    int printPageBody(gb::RpPrinter &d) override
    {
        ++bodies;
        return d.currentPageNumber() < 2 ? kMorePages : kLastPage;
    }
    int printEnd() override { return -1; }
};

} // namespace

TEST(PrintDialogHost, PreviewWindowRendersTheJob)
{
    gb::PrintDialogHost host;
    gb::setPrintHost(&host);
    TwoPages job;
    gb::RpPrinter device(nullptr, &job);
    ASSERT_TRUE(device.isValid());
    QString caption;
    // Once the preview window is up, read it and close it, as a user would.
    QTimer::singleShot(0, [&caption] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            caption = w->windowTitle();
            w->close();
        }
    });
    EXPECT_TRUE(device.printPreview("Preview"));
    gb::setPrintHost(nullptr);
    EXPECT_EQ(caption, "Preview");
    EXPECT_GE(job.starts, 1);
    EXPECT_EQ(job.bodies, 2 * job.starts);
}

// While the job makes the pages (it may serve events then) the preview's controls take no
// input, so no second rendering can start inside one; a rendering asked for once the preview
// is up puts the job's own windows over it, as it is modal by then.
TEST(PrintDialogHost, PreviewTakesNoInputWhileTheJobRuns)
{
    struct Watching : TwoPages {
        std::vector<bool> controlsEnabled;
        std::vector<QWidget *> windows;
        int printPageBody(gb::RpPrinter &d) override
        {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *preview = qobject_cast<QPrintPreviewDialog *>(w))
                    controlsEnabled.push_back(preview->findChild<QToolBar *>()->isEnabled()
                                              || preview->findChild<QPrintPreviewWidget *>()->isEnabled());
            windows.push_back(d.runWindow());
            return TwoPages::printPageBody(d);
        }
    };
    gb::PrintDialogHost host;
    gb::setPrintHost(&host);
    Watching job;
    gb::RpPrinter device(nullptr, &job);
    QWidget *preview = nullptr;
    bool enabledAfter = false;
    QTimer::singleShot(0, [&] {
        preview = QApplication::activeModalWidget();
        if (!preview)
            return;
        preview->findChild<QPrintPreviewWidget *>()->updatePreview();
        enabledAfter = preview->findChild<QToolBar *>()->isEnabled();
        preview->close();
    });
    EXPECT_TRUE(device.printPreview("Preview"));
    gb::setPrintHost(nullptr);
    ASSERT_NE(preview, nullptr);
    ASSERT_GE(job.starts, 2);
    EXPECT_EQ(job.controlsEnabled, std::vector<bool>(size_t(job.bodies), false));
    EXPECT_EQ(job.windows.front(), nullptr); // the owner: the preview is not up yet
    EXPECT_EQ(job.windows.back(), preview);
    EXPECT_TRUE(enabledAfter);
}
