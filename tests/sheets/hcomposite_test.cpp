#include "common/filepaths.h"
#include "sheets/hcomposite.h"
#include "sheets/printfixture.h"
#include "support/testutil.h"

#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using gb::HComposite;
using gb::Value;
using gb::ValueArray;

TEST(HComposite, DefaultsAndDamagedArrays)
{
    HComposite job;
    ASSERT_EQ(job.data().size(), 22u);
    EXPECT_EQ(job.imageSize(), 1);
    EXPECT_EQ(job.saveAs(), 3);
    EXPECT_EQ(job.folder(), gb::getTemporaryDir());
    EXPECT_EQ(job.prefix(), "CSheet");
    EXPECT_EQ(job.jpgQuality(), 80);
    EXPECT_TRUE(job.jpgProgressive());
    EXPECT_EQ(job.overwrite(), 3);
    EXPECT_EQ(job.thumbWidth(), 100);
    EXPECT_EQ(job.horSpacing(), 5);
    EXPECT_EQ(job.borderSize(), 1);
    EXPECT_EQ(job.backColor(), 0xFFFFFFu);
    EXPECT_EQ(job.thumbColor(), 255u + 255 * 256 + 192 * 65536);
    EXPECT_EQ(job.borderColor(), 0u);
    EXPECT_EQ(job.titleFont(), (gb::FontData{"Verdana", 14, true, false, false, 0}));
    EXPECT_TRUE(job.appendPageNo());
    EXPECT_EQ(job.info(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(job.infoFont(), (gb::FontData{"Arial", 12, false, false, false, 0}));

    // A short array is padded; a slot of the wrong type reads as its default.
    HComposite stored(nullptr, ValueArray{Value(0), Value(333), Value("tall"), Value(4)});
    ASSERT_EQ(stored.data().size(), 22u);
    EXPECT_EQ(stored.imageSize(), 0);
    EXPECT_EQ(stored.imageWidth(), 333);
    EXPECT_EQ(stored.imageHeight(), 0);
    EXPECT_EQ(stored.saveAs(), 4);
    EXPECT_EQ(stored.prefix(), "CSheet");
    stored.setTitleFont(gb::FontData{"Arial", 9, false, true, false, 0x123456});
    EXPECT_EQ(stored.titleFont().color, 0x123456u);
    EXPECT_EQ(stored.data()[18].size(), 6);
}

TEST(HComposite, Validate)
{
    const QString existing = gbtest::makeTempDir("out");
    struct {
        const char *what;
        QString folder;
        int size, width, height;
        QStringList problems;
        int widthAfter, heightAfter;
    } rows[] = {
        {"defaults", existing + "/", 1, 0, 0, {}, 640, 480},
        {"preset 2", existing + "/", 2, 1, 1, {}, 800, 600},
        {"preset 3 leaves no size problem", existing + "/", 3, 0, 0, {}, 1024, 768},
        {"custom zero sizes", existing + "/", 0, 0, 0,
         {"[General] Composite image width too small", "[General] Composite image height too small"}, 0, 0},
        {"empty folder first", "", 0, 0, 480,
         {"[General] Define a folder to place generated composite images", "[General] Composite image width too small"},
         0, 480},
        {"missing folder", existing + "/nothere/", 1, 0, 0, {"[General] Output folder does not exist"}, 640, 480},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        HComposite job;
        job.setFolder(r.folder);
        job.setImageSize(r.size);
        job.setImageWidth(r.width);
        job.setImageHeight(r.height);
        EXPECT_EQ(job.validate(), r.problems);
        EXPECT_EQ(job.imageWidth(), r.widthAfter);
        EXPECT_EQ(job.imageHeight(), r.heightAfter);
    }

    HComposite job;
    job.setFolder(existing);
    EXPECT_TRUE(job.validate().isEmpty());
    EXPECT_EQ(job.folder(), existing + "/");
    job.setFolder("   ");
    job.validate();
    EXPECT_EQ(job.folder(), "   ");
}

TEST(HComposite, ValidateRefusesLayoutsWithoutRoom)
{
    struct {
        int thumbW, thumbH, border, hor, ver;
        QStringList problems;
    } rows[] = {
        {100, 100, 1, 5, 5, {}},
        {0, 100, 0, 5, 5, {"[General] Thumbnail width must be between 1 and 9999"}},
        {100, 10, 5, 5, 5, {"[General] Thumbnail height too small for its border"}},
        {100, 100, -1, 5, 5, {"[General] Border size must be between 0 and 999"}},
        {10, 10, 0, -10, -10,
         {"[General] Horizontal spacing must be between 0 and 999", "[General] Vertical spacing must be between 0 and 999"}},
        // Each number in its range, but not one cell on a sheet of 640 x 480.
        {700, 100, 1, 5, 5, {"[General] Not even one thumbnail fits on the composite image"}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.thumbW * 1000 + r.border);
        HComposite job;
        job.setFolder(gb::getTemporaryDir());
        job.setThumbWidth(r.thumbW);
        job.setThumbHeight(r.thumbH);
        job.setBorderSize(r.border);
        job.setHorSpacing(r.hor);
        job.setVerSpacing(r.ver);
        EXPECT_EQ(job.validate(), r.problems);
    }
}

TEST(HComposite, VariableText)
{
    const QString dir = gbtest::makeTempDir();
    const QString image = gbtest::writeImage(dir + "/sunset.beach.png", 30, 20, 0x808080);
    const QString odd = dir + "/notes.txt";
    ASSERT_TRUE(gbtest::writeFile(odd, QByteArray(1025, 'x')));
    const qint64 bytes = QFileInfo(image).size();

    HComposite job;
    job.setInfo({1, 9, 4, 5, 6, 3});
    EXPECT_EQ(job.variableText(image), QStringList({"sunset.beach", "sunset.beach.png", "30 x 20", "Width: 30",
                                                    "Height: 20", QString::number(bytes) + " bytes"}));
    job.setInfo({2, 3, 4, 10, 5, 6, 11});
    EXPECT_EQ(job.variableText(odd), QStringList({"2 kb", "1025 bytes", "", "", ""}));
    EXPECT_EQ(job.variableText(dir + "/gone.png").first(), "0 kb");
    job.setInfo({10, 1});
    EXPECT_EQ(job.variableText(image), QStringList{"sunset.beach"});
    job.setInfo({8, 7});
    const QStringList now = job.variableText(image);
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(now[0]).hasMatch()) << now[0].toStdString();
    EXPECT_TRUE(now[1].contains(QString::number(QDate::currentDate().year())));
}
