#include "explorer/filepropertieswin.h"
#include "explorer/generalpropertieswin.h"
#include "explorer/imagepropertieswin.h"

#include "image/imagesave.h"
#include "image/previewft.h"
#include "explorerfixture.h"
#include "support/testutil.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace gb;

TEST(FilePropertiesWin, BothPagesAreFilledBeforeShowing)
{
    const QString dir = gbtest::makeTempDir("propwin") + "/";
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(640, 480, 90, 90, 200), dir + "photo.jpg", 3, 85, false, 0, 0));
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(100, 100, 0, 0, 0), dir + "dot.gif", 2, 0, false, 0, 256));

    FilePropertiesWin dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "File Properties");
    EXPECT_EQ(dialog.tabs()->tabText(0), "General Properties");
    EXPECT_EQ(dialog.tabs()->tabText(1), "Image Properties");
    dialog.setFileName(dir + "photo.jpg");
    const QStringList general = dialog.generalPage()->values();
    EXPECT_EQ(general.mid(0, 2), QStringList({dir, "photo.jpg"}));
    EXPECT_EQ(general[2], QString::number(QFileInfo(dir + "photo.jpg").size()));
    EXPECT_FALSE(general[5].isEmpty());
    for (QCheckBox *box : {dialog.generalPage()->readOnlyBox(), dialog.generalPage()->archiveBox(),
                           dialog.generalPage()->hiddenBox(), dialog.generalPage()->systemBox()})
        EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(dialog.generalPage()->archiveBox()->isChecked());
    const QStringList image = dialog.imagePage()->values();
    EXPECT_EQ(image[0], "640");
    EXPECT_EQ(image[1], "480");
    EXPECT_EQ(image[3], "24");
    EXPECT_EQ(image[4], "900 kb");
    ASSERT_NE(dialog.imagePage()->preview()->image(), nullptr);
    EXPECT_LE(dialog.imagePage()->preview()->image()->width(), dialog.imagePage()->preview()->width());

    FilePropertiesWin gif(nullptr);
    gif.setFileName(dir + "dot.gif");
    EXPECT_EQ(gif.imagePage()->values(), QStringList({"100", "100", "1", "1", "10 kb"}));
    EXPECT_EQ(gif.tabs()->currentIndex(), 0);
}
