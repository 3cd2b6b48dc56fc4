#include "app/qtuiseam.h"
#include "catalog/openarchive.h"
#include "catalog/repairarch.h"
#include "common/messages.h"
#include "support/modal.h"
#include "support/testutil.h"
#include "support/windowlook.h"

#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <functional>

using namespace gb;

namespace {

// The program's own message boxes for the test's lifetime.
struct RealBoxes {
    QtUiSeam seam;
    RealBoxes() { setUi(&seam); }
    ~RealBoxes() { setUi(nullptr); }
};

// Opens the box that show() opens, and returns the text its label shows; the box is closed.
QString shownText(const std::function<void()> &show, const QString &look = QString())
{
    QString text = QStringLiteral("no box");
    gbtest::whenModal([&text, look](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        ASSERT_NE(box, nullptr);
        if (!look.isEmpty())
            gbtest::look(look);
        if (const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            text = label->text();
        box->done(0);
    });
    show();
    return text;
}

struct NoProgress : CompactProgress {
    void start(int) override {}
    void advance() override {}
    void finish() override {}
};

} // namespace

// Texts that break their lines with LF CR or CR LF show one break per pair in every box.
TEST(MessageBoxes, LineBreakPairsShowAsOneBreak)
{
    RealBoxes boxes;
    const struct {
        const char *name;
        std::function<void(const QString &)> show;
        QString text;
        QString shown;
    } cases[] = {
        {"info, LF CR", [](const QString &t) { infoMessage(nullptr, t); }, "one\n\rtwo\n\rthree", "one\ntwo\nthree"},
        {"error, CR LF", [](const QString &t) { errorMsg(nullptr, t); }, "\r\nError: denied\r\n", "\nError: denied\n"},
        {"question, blank line", [](const QString &t) { confirmDelete(nullptr, t); }, "done. \r\n\r\n2 sheets",
         "done. \n\n2 sheets"},
        {"warning, lone breaks", [](const QString &t) { warningMsg(nullptr, t); }, "a\rb\nc", "a\nb\nc"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shownText([&c] { c.show(c.text); }), c.shown) << c.name;
}

TEST(MessageBoxes, CompactMessageHasNoBlankLines)
{
    RealBoxes boxes;
    const QString stem = gbtest::makeTempDir() + "/Holidays";
    ASSERT_TRUE(createNewArchive(nullptr, stem));
    NoProgress progress;
    EXPECT_EQ(shownText([&] { repairArch(nullptr, stem, progress); }, "compact-message"),
              "Compact ended with success.\nOld files saved as:\n" + stem + "$.dbf\n" + stem + "$.cdx\n" + stem
                  + "$.fpt");
}
