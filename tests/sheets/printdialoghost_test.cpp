#include "sheets/printdialoghost.h"
#include "sheets/reportjob.h"
#include "sheets/rpprinter.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

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
