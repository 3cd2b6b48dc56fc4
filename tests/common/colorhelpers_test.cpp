#include "common/changebackcolor.h"
#include "common/colorvalues.h"
#include "common/filedialogs.h"
#include "common/sharedhelpers.h"
#include "support/scriptedui.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

using namespace gb;

TEST(ColorValues, BuildTakeApartAndWrite)
{
    EXPECT_EQ(makeColorRef(255, 255, 255), 16777215u);
    EXPECT_EQ(makeColorRef(0, 0, 255), 16711680u);
    EXPECT_EQ(makeColorRef(128, 0, 128), 8388736u);
    EXPECT_EQ(makeColorRef(256 + 1, -1, 0), makeColorRef(1, 255, 0)); // low eight bits only

    const uint32_t withTop = 0xAB123456u;
    EXPECT_EQ(red(withTop), 0x56);
    EXPECT_EQ(green(withTop), 0x34);
    EXPECT_EQ(blue(withTop), 0x12);
    EXPECT_EQ(makeColorRef(red(withTop), green(withTop), blue(withTop)), 0x00123456u);

    const struct {
        uint32_t color;
        const char *hex;
    } hexes[] = {{0, "000000"}, {16777215, "FFFFFF"}, {255, "FF0000"}, {65280, "00FF00"},
                 {16711680, "0000FF"}, {makeColorRef(255, 128, 0), "FF8000"}, {0xFF0A0B0Cu, "0C0B0A"}};
    for (const auto &h : hexes)
        EXPECT_EQ(hexStrColor(h.color), h.hex) << h.color;
    EXPECT_EQ(byte2Hex(0), "00");
    EXPECT_EQ(byte2Hex(10), "0A");
    EXPECT_EQ(byte2Hex(255), "FF");
    EXPECT_EQ(redFromRgb(16777215), "255");
    EXPECT_EQ(redFromRgb(0), "0");
    EXPECT_EQ(greenFromRgb(makeColorRef(1, 22, 3)), "22");
    EXPECT_EQ(blueFromRgb(makeColorRef(1, 22, 3)), "3");
}

TEST(ColorValues, ChangeColorCancelledKeepsTheColour)
{
    gbtest::ScriptedUi ui;
    ui.colorAnswers = {std::nullopt, 0x00102030u};
    EXPECT_EQ(changeColor(nullptr, 12345u), 12345u);
    EXPECT_EQ(changeColor(nullptr, 12345u), 0x00102030u);
    ASSERT_EQ(ui.dialogs.size(), 2u);
    EXPECT_EQ(ui.dialogs[0].kind, "color");
}

TEST(ColorValues, BackColourIsPainted)
{
    QLabel sample;
    sample.resize(20, 10);
    changeBackColor(&sample, makeColorRef(10, 200, 30));
    const QImage shot = sample.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(10, 200, 30));
}

TEST(SharedHelpers, DescriptionsAndTheirEnds)
{
    EXPECT_EQ(getAlignDesc(1), "Top - Left");
    EXPECT_EQ(getAlignDesc(5), "Middle - Center");
    EXPECT_EQ(getAlignDesc(9), "Bottom - Right");
    EXPECT_EQ(getAlignDesc(0), "");
    EXPECT_EQ(getAlignDesc(10), "");
    EXPECT_EQ(getResizeTypeDesc(1), "Best fit - keep aspect ratio");
    EXPECT_EQ(getResizeTypeDesc(3), "Fixed height - keep aspect ratio");
    EXPECT_EQ(getResizeTypeDesc(5), "Percent scale");
    EXPECT_EQ(getResizeTypeDesc(0), "");
    EXPECT_EQ(getResizeTypeDesc(6), "");
}

TEST(SharedHelpers, ImageVarListsInTheirOrder)
{
    std::vector<ImageVarEntry> all = getVars();
    const std::vector<int> codes = {1, 2, 3, 4, 5, 6, 10, 11, 9, 7, 8};
    ASSERT_EQ(all.size(), codes.size());
    for (size_t i = 0; i < codes.size(); ++i)
        EXPECT_EQ(all[i].code, codes[i]);
    EXPECT_EQ(all[0].label, "Image File Name");
    EXPECT_EQ(all[6].label, "Title");
    EXPECT_EQ(all[7].label, "Comments");
    EXPECT_EQ(all[8].label, "Image Name with extension");
    EXPECT_EQ(all[10].label, "Current Time");
    all[0].label = "changed";
    EXPECT_EQ(getVars()[0].label, "Image File Name");

    const std::vector<ImageVarEntry> nine = getVars1();
    const std::vector<int> codes1 = {1, 2, 3, 4, 5, 6, 9, 7, 8};
    ASSERT_EQ(nine.size(), codes1.size());
    for (size_t i = 0; i < codes1.size(); ++i)
        EXPECT_EQ(nine[i].code, codes1[i]);
    EXPECT_EQ(nine[3].label, "Width x Height");
}

TEST(SharedHelpers, SwapAndCompareArrays)
{
    std::vector<QString> a = {"x", "y", "z"};
    std::vector<QString> &same = swapArrayElements(a, 1, 3);
    EXPECT_EQ(&same, &a); // the caller's array itself
    EXPECT_EQ(a, (std::vector<QString>{"z", "y", "x"}));
    swapArrayElements(a, 2, 4);
    swapArrayElements(a, 0, 1);
    swapArrayElements(a, 2, 2);
    EXPECT_EQ(a, (std::vector<QString>{"z", "y", "x"}));

    EXPECT_TRUE(sameArrays(std::vector<QString>{}, std::vector<QString>{}));
    EXPECT_FALSE(sameArrays(std::vector<QString>{"a"}, std::vector<QString>{"A"}));
    EXPECT_FALSE(sameArrays(std::vector<QString>{"a"}, std::vector<QString>{"a", "b"}));
    EXPECT_FALSE(sameArrays(std::vector<QString>{"a"}, std::vector<QString>{"a "}));
    EXPECT_TRUE(sameArrays(std::vector<QString>{"a", "b"}, std::vector<QString>{"a", "b"}));
}

TEST(FileDialogs, OpenDialogFiltersAndCaption)
{
    int selected = -1;
    const QStringList images = openFileFilters(OpenImageFiles, &selected);
    ASSERT_EQ(images.size(), 10);
    EXPECT_EQ(selected, 6);
    EXPECT_EQ(images[6], "JPEG Compressed (*.jpg)");
    EXPECT_EQ(images[1], "Windows Enhaced Metafile (*.emf)");
    EXPECT_EQ(images[9], "Photoshop file (*.psd)");
    EXPECT_EQ(openFileFilters(OpenImageLists, &selected), QStringList{"Image File List (*.ifl)"});
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(openFileFilters(OpenCatalogFiles, &selected), QStringList{"Image Catalog File (*.dbf)"});
    EXPECT_TRUE(openFileFilters(9, &selected).isEmpty());

    gbtest::ScriptedUi ui;
    ui.openAnswers = {QStringList{"/p/a.jpg"}, QStringList{}};
    EXPECT_EQ(openImageDialog(nullptr, "Select an image to split..."), "/p/a.jpg");
    EXPECT_EQ(getOpenFileName(nullptr, "", OpenCommentsFiles), "");
    ASSERT_EQ(ui.dialogs.size(), 2u);
    EXPECT_EQ(ui.dialogs[0].caption, "Select an image to split...");
    EXPECT_EQ(ui.dialogs[0].filters, images);
    EXPECT_EQ(ui.dialogs[1].caption, "Select File");
    EXPECT_EQ(ui.dialogs[1].filters, QStringList{"Image Comments File (*.icf)"});
}

TEST(FileDialogs, SaveNamesGetTheirExtension)
{
    gbtest::ScriptedUi ui;
    const struct {
        const char *answer;
        const char *ifl;
    } cases[] = {
        {"/photos/list", "/photos/list.ifl"},
        {"/photos/list.txt", "/photos/list.txt"},
        // A dot in a folder name is no extension of the file.
        {"/my.pics/list", "/my.pics/list.ifl"},
        {"", ""},
    };
    for (const auto &c : cases) {
        ui.saveAnswers = {c.answer};
        EXPECT_EQ(getSaveFileName(nullptr, "Save Image List ..."), c.ifl) << c.answer;
    }
    ui.saveAnswers = {"/photos/notes"};
    EXPECT_EQ(getSaveCommentsFileName(nullptr, ""), "/photos/notes.icf");
    EXPECT_EQ(ui.dialogs[0].start, "Untitled.ifl");
    EXPECT_EQ(ui.dialogs[0].filters, QStringList{"Image File List (*.ifl)"});
    EXPECT_EQ(ui.dialogs.back().caption, "Save File");
    EXPECT_EQ(ui.dialogs.back().start, "Untitled.icf");
}
