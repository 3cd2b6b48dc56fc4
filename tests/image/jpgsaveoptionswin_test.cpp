#include "image/jpgsaveoptionswin.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace gb;

namespace {

QPushButton *button(QWidget *dlg, const QString &text)
{
    for (QPushButton *b : dlg->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Runs getJpgSaveOptions() while `user` works the dialog once it is up.
bool askWith(const std::function<void(JpgSaveOptionsWin *)> &user, int &quality, int &progressive)
{
    QTimer::singleShot(0, [user] {
        auto *dlg = qobject_cast<JpgSaveOptionsWin *>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        user(dlg);
    });
    return getJpgSaveOptions(nullptr, quality, progressive);
}

} // namespace

TEST(JpgSaveOptionsWin, EditAndSliderFollowEachOther)
{
    JpgSaveOptionsWin dlg;
    EXPECT_EQ(dlg.windowTitle(), "JPG Save Options...");
    EXPECT_EQ(dlg.jpgQuality()->text(), "75");
    EXPECT_EQ(dlg.jpgSlider()->value(), 75);

    dlg.jpgQuality()->clear();
    QTest::keyClicks(dlg.jpgQuality(), "150");
    EXPECT_EQ(dlg.jpgQuality()->text(), "100");
    EXPECT_EQ(dlg.jpgSlider()->value(), 100);

    dlg.jpgQuality()->clear();
    QTest::keyClicks(dlg.jpgQuality(), "12345x");
    EXPECT_EQ(dlg.jpgQuality()->text(), "100"); // "123" became 100; more digits refused

    dlg.jpgSlider()->setFocus();
    QTest::keyClick(dlg.jpgSlider(), Qt::Key_Home);
    EXPECT_EQ(dlg.jpgQuality()->text(), "1");
    QTest::keyClick(dlg.jpgSlider(), Qt::Key_Right);
    EXPECT_EQ(dlg.jpgQuality()->text(), "2");

    dlg.jpgQuality()->clear();
    EXPECT_EQ(dlg.jpgSlider()->value(), 1); // the low end, the edit stays empty
    EXPECT_EQ(dlg.jpgQuality()->text(), "");
    EXPECT_EQ(dlg.quality(), 0); // nothing stored before Ok
}

TEST(JpgSaveOptionsWin, OkRemembersCancelChangesNothing)
{
    lastJpgQuality = 80;
    lastJpgProgressive = 0;
    int quality = -1, progressive = -1;

    // The first dialog offers 80, not progressive; Cancel after changes leaves all as it was.
    EXPECT_FALSE(askWith([](JpgSaveOptionsWin *dlg) {
        EXPECT_EQ(dlg->jpgQuality()->text(), "80");
        EXPECT_EQ(dlg->jpgSlider()->value(), 80);
        EXPECT_FALSE(dlg->progressiveBox()->isChecked());
        dlg->jpgQuality()->selectAll();
        QTest::keyClicks(dlg->jpgQuality(), "33");
        QTest::mouseClick(dlg->progressiveBox(), Qt::LeftButton);
        QTest::mouseClick(button(dlg, "Cancel"), Qt::LeftButton);
    }, quality, progressive));
    EXPECT_EQ(quality, -1);
    EXPECT_EQ(lastJpgQuality, 80);

    // Ok hands back the values and the next dialog offers them.
    EXPECT_TRUE(askWith([](JpgSaveOptionsWin *dlg) {
        dlg->jpgQuality()->selectAll();
        QTest::keyClicks(dlg->jpgQuality(), "55");
        dlg->progressiveBox()->click();
        QTest::mouseClick(button(dlg, "Ok"), Qt::LeftButton);
    }, quality, progressive));
    EXPECT_EQ(quality, 55);
    EXPECT_EQ(progressive, 1);
    EXPECT_TRUE(askWith([](JpgSaveOptionsWin *dlg) {
        EXPECT_EQ(dlg->jpgQuality()->text(), "55");
        EXPECT_TRUE(dlg->progressiveBox()->isChecked());
        // An empty edit is accepted as quality 0, not raised to the slider's minimum.
        dlg->jpgQuality()->clear();
        button(dlg, "Ok")->click();
    }, quality, progressive));
    EXPECT_EQ(quality, 0);
    EXPECT_EQ(lastJpgQuality, 0);

    // The close box is no Ok either.
    EXPECT_FALSE(askWith([](JpgSaveOptionsWin *dlg) { dlg->reject(); }, quality, progressive));
    EXPECT_EQ(quality, 0);
}
