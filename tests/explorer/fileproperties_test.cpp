#include "explorer/fileproperties.h"

#include "common/datetext.h"
#include "image/imagesave.h"
#include "explorerfixture.h"
#include "support/testutil.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <utime.h>

using namespace gb;

namespace {

// An image of w x h whose pixels take exactly `colours` different values.
RgbImage stripes(int w, int h, int colours)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t((x % colours) * 7);
            p[1] = 0;
            p[2] = 255;
        }
    return img;
}

} // namespace

TEST(FileProperties, ImageValuesFollowTheHeaderAndTheDecodedPixels)
{
    const QString dir = gbtest::makeTempDir("props") + "/";
    
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(640, 480, 10, 200, 30), dir + "photo.jpg", 3, 90, false, 0, 0));
    ASSERT_TRUE(saveRgb2File(stripes(100, 100, 5), dir + "small.gif", 2, 0, false, 0, 256));
    ASSERT_TRUE(gbtest::writeFile(dir + "broken.jpg", "not an image"));

    const ImageProperties jpeg = imageProperties(dir + "photo.jpg");
    EXPECT_EQ(jpeg.width, "640");
    EXPECT_EQ(jpeg.height, "480");
    EXPECT_EQ(jpeg.pixDepth, "24");
    EXPECT_EQ(jpeg.ramUsed, "900 kb");
    EXPECT_FALSE(jpeg.colors.isEmpty());

    const ImageProperties gif = imageProperties(dir + "small.gif");
    EXPECT_EQ(gif.width, "100");
    // Five colours take a 3-bit GIF; any depth below 24 counts one byte a pixel.
    EXPECT_EQ(gif.pixDepth, "3");
    EXPECT_EQ(gif.colors, "5");
    EXPECT_EQ(gif.ramUsed, "10 kb"); // 11024 bytes, the fraction dropped

    const ImageProperties bad = imageProperties(dir + "broken.jpg");
    EXPECT_EQ(bad.width, "");
    EXPECT_EQ(bad.colors, "");
    EXPECT_EQ(bad.ramUsed, "0 kb");
}

TEST(FileProperties, TimesAreShownInUtcWhateverTheLocalZone)
{
    const QDateTime t(QDate(2002, 1, 9), QTime(23, 30, 5), Qt::UTC);
    EXPECT_EQ(fileTime2MyFormat(t), "Wed, " + programDateText(QDate(2002, 1, 9)) + " 23:30:05");
    EXPECT_EQ(fileTime2MyFormat(QDateTime()), "");

    const QString file = gbtest::makeTempDir("times") + "/late.jpg";
    ASSERT_TRUE(gbtest::writeFile(file, "x"));
    struct utimbuf times;
    times.actime = times.modtime = t.toSecsSinceEpoch();
    ASSERT_EQ(::utime(QFile::encodeName(file).constData(), &times), 0);
    const QByteArray oldZone = qgetenv("TZ");
    qputenv("TZ", "Asia/Tokyo");
    ::tzset();
    const GeneralProperties p = generalProperties(file);
    qputenv("TZ", oldZone);
    ::tzset();
    EXPECT_EQ(p.modified, fileTime2MyFormat(t));
    EXPECT_EQ(p.accessed, fileTime2MyFormat(t));
}

TEST(FileProperties, GeneralValuesOfAFileAndOfWhatCannotBeRead)
{
    const QString dir = gbtest::makeTempDir("general") + "/";
    ASSERT_TRUE(gbtest::writeFile(dir + ".hidden.jpg", QByteArray(1234, 'a')));
    ::chmod(QFile::encodeName(dir + ".hidden.jpg").constData(), 0444);
    const GeneralProperties p = generalProperties(dir + ".hidden.jpg");
    EXPECT_EQ(p.location, dir);
    EXPECT_EQ(p.fileName, ".hidden.jpg");
    EXPECT_EQ(p.size, "1234");
    EXPECT_EQ(p.msDosName, dir + ".hidden.jpg");
    EXPECT_TRUE(p.attributesRead);
    EXPECT_TRUE(p.hidden);
    EXPECT_TRUE(p.archive);
    EXPECT_FALSE(p.system);
    if (::geteuid() != 0) {
        EXPECT_TRUE(p.readOnly);
    }

    const GeneralProperties gone = generalProperties("gone.jpg");
    EXPECT_EQ(gone.location, "");
    EXPECT_EQ(gone.fileName, "gone.jpg");
    EXPECT_EQ(gone.size, "");
    EXPECT_EQ(gone.modified, "");
    EXPECT_FALSE(gone.attributesRead);
}
