// The text of every command description, label for label.

#include "batch/batchaction.h"
#include "batch/commandinfo.h"
#include "actions/userfilter.h"

#include <gtest/gtest.h>

#include <limits>

using namespace gb;

namespace {

QString lines(const QStringList &l)
{
    QString text;
    for (const QString &line : l)
        text += line + "\r\n";
    return text;
}

BatchCommand cmd(int id, ValueArray parameters)
{
    return BatchCommand::make(id, std::move(parameters));
}

} // namespace

TEST(CommandInfo, EveryActionWithParametersIsDescribedExactly)
{
    const uint32_t colour = 10 + 20 * 256 + 30 * 65536;
    struct Row {
        BatchCommand command;
        QStringList expected;
    } rows[] = {
        {cmd(1, {"Hello", "Arial", 14, true, false, true, int(colour), 8, 1, 2, 3, 4, false, 200, 100, 50}),
         {"Action: Overlay Text", "", "Text: Hello", "Font: Arial", "Size: 14", "Bold: Yes", "Italics: No",
          "Underline: Yes", "Text Color:  Red: 10 Green: 20 Blue: 30", "Text Alignment: Bottom - Center",
          "Left Margin: 1", "Top Margin: 2", "Right Margin: 3", "Bottom Margin: 4", "Transparent: No",
          "BackGround Color:  R: 200 G: 100 B: 50"}},
        {cmd(2, {"/pics/logo.png", 1, 5, 6, 7, 8, true, int(colour), 0.5}),
         {"Action: Overlay Image", "", "Overlay image: /pics/logo.png", "Image Alignment: Top - Left",
          "Left Margin: 5", "Top Margin: 6", "Right Margin: 7", "Bottom Margin: 8", "Transparent: Yes",
          "Transparent Color:  Red: 10 Green: 20 Blue: 30", "Opacity: 50"}},
        {cmd(3, {-90.0, 16777215}),
         {"Action: Rotate", "", "Angle: -90", "Background Color:  Red: 255 Green: 255 Blue: 255"}},
        {cmd(3, {33.7, 0}), {"Action: Rotate", "", "Angle: 33", "Background Color:  Red: 0 Green: 0 Blue: 0"}},
        {cmd(6, {1, 640, 480, 0, true}),
         {"Action: Resize", "", "Type: Best fit - keep aspect ratio", "Width: 640", "Height: 480", "Percent: 0"}},
        {BatchCommand(ValueArray{6, "Resize", 5, 0, 0, 50}),
         {"Action: Resize", "", "Type: Percent scale", "Width: 0", "Height: 0", "Percent: 50"}},
        {cmd(7, {1, 2, 3, 4, 255, 128, 0}),
         {"Action: Add Border", "", "Top: 1", "Left: 2", "Right: 3", "Bottom: 4", "Color:  R: 255 G: 128 B: 0"}},
        {cmd(8, {12, 1, 2, 3}), {"Action: Buttonize", "", "Size: 12", "Color:  R: 1 G: 2 B: 3"}},
        {cmd(9, {7}), {"Action: Glass Frame", "", "Size: 7"}},
        {cmd(10, {3}), {"Action: Blur", "", "Level: 3"}},
        {cmd(11, {100}), {"Action: Sharpen", "", "Level: 100"}},
        {cmd(16, {0.25, -0.1}), {"Action: Adjust Brightness/Contrast", "", "Brightness: +25", "Contrast: -10"}},
        {cmd(16, {0.0, 0.29}), {"Action: Adjust Brightness/Contrast", "", "Brightness: 0", "Contrast: +29"}},
        {cmd(23, {1, 2, 3, 16711680, 4}),
         {"Action: Replace Color", "", "Old Red: 1", "Old Green: 2", "Old Blue: 3", "New Red: 0", "New Green: 0",
          "New Blue: 255", "Tollerance: 4"}},
        {cmd(24, {10, 245, true, false, true}),
         {"Action: Histogram Equalize", "", "Low: 10", "Hi: 245", "Apply to Red Channel: Yes",
          "Apply to Green Channel: No", "Apply to Blue Channel: Yes"}},
        {cmd(25, {5, 0}), {"Action: Change Color Depth", "", "Colors: 16 Million (24 bits)"}},
        {cmd(25, {6, 100}), {"Action: Change Color Depth", "", "Colors: 100"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(getCommandInfo(row.command), lines(row.expected)) << qPrintable(row.command.description());
}

TEST(CommandInfo, DamagedNumbersAreDescribedWithinTheirRange)
{
    // Stored commands may hold any number: each is shown within its range, a colour as the
    // run applies it (0..0xFFFFFF) and NaN as the slot's default.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QString most = "9223372036854775807", least = "-9223372036854775808";
    struct Row {
        BatchCommand command;
        QStringList expected;
    } rows[] = {
        {cmd(3, {inf, -1}), {"Action: Rotate", "", "Angle: " + most, "Background Color:  Red: 0 Green: 0 Blue: 0"}},
        {cmd(3, {-1e300, 4294967296.0}),
         {"Action: Rotate", "", "Angle: " + least, "Background Color:  Red: 255 Green: 255 Blue: 255"}},
        {cmd(3, {nan, nan}), {"Action: Rotate", "", "Angle: 0", "Background Color:  Red: 0 Green: 0 Blue: 0"}},
        {cmd(2, {"/a.png", 1, 0, 0, 0, 0, true, 1e300, 1e300}),
         {"Action: Overlay Image", "", "Overlay image: /a.png", "Image Alignment: Top - Left", "Left Margin: 0",
          "Top Margin: 0", "Right Margin: 0", "Bottom Margin: 0", "Transparent: Yes",
          "Transparent Color:  Red: 255 Green: 255 Blue: 255", "Opacity: " + most}},
        {cmd(6, {1, inf, nan, -inf, true}),
         {"Action: Resize", "", "Type: Best fit - keep aspect ratio", "Width: " + most, "Height: 100",
          "Percent: " + least}},
        {cmd(7, {1e300, -inf, nan, 2, 0, 0, 0}),
         {"Action: Add Border", "", "Top: " + most, "Left: " + least, "Right: 0", "Bottom: 2",
          "Color:  R: 0 G: 0 B: 0"}},
        {cmd(16, {inf, nan}), {"Action: Adjust Brightness/Contrast", "", "Brightness: +" + most, "Contrast: 0"}},
        {cmd(23, {1, 2, 3, -1e300, inf}),
         {"Action: Replace Color", "", "Old Red: 1", "Old Green: 2", "Old Blue: 3", "New Red: 0", "New Green: 0",
          "New Blue: 0", "Tollerance: " + most}},
        {cmd(24, {-inf, 4294967296.0, true, true, true}),
         {"Action: Histogram Equalize", "", "Low: " + least, "Hi: 4294967296", "Apply to Red Channel: Yes",
          "Apply to Green Channel: Yes", "Apply to Blue Channel: Yes"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(getCommandInfo(row.command), lines(row.expected)) << qPrintable(row.command.description());
}

TEST(CommandInfo, ActionsWithoutParametersShowTheirNameAlone)
{
    for (int id : {4, 5, 12, 18, 19, 20, 21, 22})
        EXPECT_EQ(getCommandInfo(cmd(id, {})), "Action: " + getActionDesc(id) + "\r\n\r\n") << id;

    const BatchCommand filter(ValueArray{14, "Apply Filter - Edges", UserFilter().toValue()});
    EXPECT_EQ(getCommandInfo(filter), "Action: Apply Filter - Edges\r\n\r\n");
    const BatchCommand conv(ValueArray{15, "Apply Convolution Filter - Soft", UserConvFilter().toValue()});
    EXPECT_EQ(getCommandInfo(conv), "Action: Apply Convolution Filter - Soft\r\n\r\n");
    EXPECT_EQ(getCommandInfo(BatchCommand(ValueArray{13, "x"})), "Action: x\r\n\r\n");
}

TEST(CommandInfo, PositionOutsideTheNineLeavesTheLabelAlone)
{
    const QString text = getCommandInfo(cmd(1, {"t", "Arial", 10, false, false, false, 0, 12, 0, 0, 0, 0, true, 0, 0, 0}));
    EXPECT_TRUE(text.contains("\r\nText Alignment: \r\n"));
}

TEST(CommandInfo, ShortCommandsShowDefaults)
{
    EXPECT_EQ(getCommandInfo(BatchCommand(ValueArray{10, "Blur"})), "Action: Blur\r\n\r\nLevel: 1\r\n");
}

TEST(CommandInfo, ColourCountNames)
{
    const std::pair<int, QString> rows[] = {{1, "2 Colors (1 bit)"},    {2, "16 Colors (4 bits)"},
                                            {3, "64 Colors (6 bits)"},  {4, "256 Colors (8 bits)"},
                                            {5, "16 Million (24 bits)"}, {7, ""}, {0, ""}};
    for (const auto &[code, text] : rows)
        EXPECT_EQ(returnNoOfColors(code, 100), text) << code;
    EXPECT_EQ(returnNoOfColors(6, 100), "100");
    EXPECT_EQ(returnNoOfColors(6, 2), "2");
}
