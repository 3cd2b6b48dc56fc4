// A job built through the batch editor window with its parameter dialogs, saved, loaded
// into a fresh window and run over photographs: the outputs equal those of the same job
// run through the engine alone. Among the steps: a user filter chosen from the filter list.

#include "actions/userfilter.h"
#include "batch/batchaction.h"
#include "batch/be.h"
#include "batch/befiwin.h"
#include "batch/bejob.h"
#include "batch/beprocessingwin.h"
#include "batch/besiwin.h"
#include "batch/bewin.h"
#include "common/imagsysserver.h"
#include "common/newkeywordwin.h"
#include "common/settingswin.h"
#include "image/imageload.h"
#include "image/imagesave.h"

#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/modal.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace gb;

namespace {

template<class W>
W *child(QWidget *parent, const char *name)
{
    W *w = parent->findChild<W *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void add(BeProcessingWin *page, const QString &name)
{
    const auto found = page->availCommandsLb()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    page->availCommandsLb()->setCurrentItem(found[0]);
    page->button("PBADDCOMMAND")->click();
}

// A photograph-like JPEG: smooth gradients with a little texture.
QString photo(const QString &path, int w, int h, int seed)
{
    RgbImage img = RgbImage::create(w, h);
    uint8_t *p = img.data();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, p += 3) {
            p[0] = uint8_t((x * 255) / w);
            p[1] = uint8_t((y * 255) / h);
            p[2] = uint8_t(((x * y + seed * 37) ^ (x + seed)) & 0xff);
        }
    EXPECT_TRUE(saveRgb2File(img, path, 0, 90, false, 0.0, 256));
    return path;
}

std::vector<uint8_t> pixelsOf(const QString &path, int *w, int *h)
{
    QString error;
    const RgbImage img = createRgbFromFile(path, *w, *h, error);
    EXPECT_FALSE(img.isNull()) << path.toStdString() << " " << error.toStdString();
    if (img.isNull())
        return {};
    return std::vector<uint8_t>(img.data(), img.data() + size_t(*w) * *h * 3);
}

} // namespace

TEST(BatchEditorEndToEnd, JobBuiltInTheWindowRunsLikeTheEngine)
{
    gbtest::ScriptedUi ui;
    ImagSysServer settings(gbtest::makeTempDir());
    setGoSysServer(&settings);
    const QString dir = gbtest::makeTempDir();
    for (const char *sub : {"/src", "/win", "/engine"})
        QDir().mkpath(dir + sub);
    // A user filter stored earlier: a sharpening 3 x 3 matrix.
    UserFilter crisp;
    crisp.coefficients = {0, -1, 0, -1, 5, -1, 0, -1, 0};
    QString filterKey;
    ASSERT_TRUE(settings.appendNewFilter("Crisp", crisp.toValue().array(), filterKey));
    const QStringList photos = {photo(dir + "/src/one.jpg", 120, 80, 1), photo(dir + "/src/two.jpg", 90, 60, 2),
                                photo(dir + "/src/three.jpg", 64, 64, 3)};

    {
        BeWin win(nullptr, {});
        BeFiWin *fi = win.fiWin();
        fi->formatType()->setCurrentIndex(fi->formatType()->findData(4)); // PNG: lossless to compare
        fi->folder()->setText(dir + "/win");
        fi->appendPrefix()->click();
        fi->prefix()->setText("out");
        fi->autoNumericPad()->setText("2");
        fi->overAlways()->click();

        BeProcessingWin *script = win.processingWin();
        // Resize by percent, first 25, then edited to 50.
        gbtest::whenModal([](QDialog *d) {
            QComboBox *type = child<QComboBox>(d, "RESTYPE");
            type->setCurrentIndex(type->findData(5));
            child<QLineEdit>(d, "PERCENT")->setText("25");
            child<QPushButton>(d, "PBOK")->click();
        });
        add(script, "Resize");
        script->commandsLb()->setCurrentRow(0);
        gbtest::whenModal([](QDialog *d) {
            EXPECT_EQ(child<QLineEdit>(d, "PERCENT")->text(), "25");
            child<QLineEdit>(d, "PERCENT")->setText("50");
            child<QPushButton>(d, "PBOK")->click();
        });
        script->button("PBEDIT")->click();
        gbtest::whenModal([](QDialog *d) {
            QComboBox *rotation = child<QComboBox>(d, "ROTATIONCB");
            rotation->setCurrentIndex(rotation->findData("L"));
            child<QPushButton>(d, "PBAPPLY")->click();
        });
        add(script, "Rotate");
        gbtest::whenModal([](QDialog *d) {
            child<QLineEdit>(d, "BRIGHT")->setText("20");
            child<QPushButton>(d, "PBOK")->click();
        });
        add(script, "Adjust Brightness/Contrast");
        add(script, "Invert Red");
        gbtest::whenModal([](QDialog *d) {
            QListWidget *filters = child<QListWidget>(d, "FILTERS");
            const auto found = filters->findItems("Crisp", Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            filters->setCurrentItem(found[0]);
            child<QPushButton>(d, "PBAPPLY")->click();
        });
        add(script, "Apply Filter");
        // A cancelled dialog adds nothing.
        gbtest::whenModal([](QDialog *d) { d->reject(); });
        add(script, "Sharpen");
        ASSERT_EQ(script->script().size(), 5u);
        EXPECT_EQ(script->script()[4].description(), "Apply Filter - Crisp");
        EXPECT_EQ(script->script()[4].slot(3), crisp.toValue());

        gbtest::whenModal([](QDialog *d) {
            auto *prompt = qobject_cast<NewKeywordWin *>(d);
            ASSERT_NE(prompt, nullptr);
            prompt->keyEdit()->setText("Photos for the web");
            prompt->okButton()->click();
        });
        win.saveNewButton()->click();
        ASSERT_FALSE(win.currentRecordKey().isEmpty());
    }

    BeWin fresh(nullptr, photos);
    gbtest::whenModal([](QDialog *d) {
        auto *picker = qobject_cast<SettingsWin *>(d);
        ASSERT_NE(picker, nullptr);
        picker->settings()->setCurrentRow(0);
        picker->loadButton()->click();
    });
    fresh.loadButton()->click();
    EXPECT_EQ(fresh.curSettings()->text(), "Photos for the web");
    ASSERT_EQ(fresh.processingWin()->commandsLb()->count(), 5);
    fresh.doItButton()->click();
    const QStringList outputs = fresh.beJob()->lastOutputs();
    EXPECT_EQ(outputs, QStringList({dir + "/win/out01.png", dir + "/win/out02.png", dir + "/win/out03.png"}));

    // The same job, written out by hand, through the engine alone.
    Be engine;
    engine.setFinalFormat(4);
    engine.setFinalFolder(dir + "/engine/");
    engine.setNaming(4);
    engine.setStdPrefix("out");
    engine.setEnumLength(2);
    engine.setOverwrite(1);
    engine.setCommands({BatchCommand::make(ActionResize, {5, 0, 0, 50, false}),
                        BatchCommand::make(ActionRotate, {90, 0}),
                        BatchCommand::make(ActionBrightnessContrast, {0.2, 0.0}),
                        BatchCommand::make(ActionInvertRed, {}),
                        BatchCommand::make(ActionApplyFilter, {crisp.toValue()})});
    const QStringList expected = engine.batchProcess(photos, "Batch Processing", true);
    ASSERT_EQ(expected.size(), 3);
    for (int i = 0; i < 3; ++i) {
        int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
        const std::vector<uint8_t> a = pixelsOf(outputs[i], &w1, &h1);
        const std::vector<uint8_t> b = pixelsOf(expected[i], &w2, &h2);
        EXPECT_EQ(w1, w2) << i;
        EXPECT_EQ(h1, h2) << i;
        EXPECT_TRUE(a == b) << i;
    }
    // Half size, then a quarter turn.
    int w = 0, h = 0;
    pixelsOf(outputs[0], &w, &h);
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 60);
    setGoSysServer(nullptr);
}
