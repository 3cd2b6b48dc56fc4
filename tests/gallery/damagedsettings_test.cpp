// Gallery settings records whose number slots hold damaged numbers, loaded and generated as
// the gallery window generates them: validation refuses each, naming the setting, or the
// run makes the gallery's images and pages. No run completes without them.
#include "galleryfixture.h"

#include "batch/batchaction.h"
#include "support/damagednumbers.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

using gb::HGallery;
using gb::Value;
using gb::ValueArray;

namespace {

// What a generation that was let through must have made of one source: its thumbnail, its
// full-size image and at least one thumbnail page.
void expectGallery(const QString &base, const QString &pageExt)
{
    QStringList images, pages;
    QDirIterator it(base, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        (path.endsWith(pageExt) ? pages : images) << path;
    }
    EXPECT_EQ(images.size(), 2) << images.join(' ').toStdString();
    EXPECT_GE(pages.size(), 1);
}

} // namespace

TEST(DamagedSettings, GalleryNumberSlots)
{
    gbtest::ScriptedUi ui;
    gb::initializeActions();
    const QString photo = gbtest::makeTempDir("photo") + "/photo.png";
    ASSERT_TRUE(gbtest::makeImage(photo, 60, 40));

    // Each number slot, the setting its refusal names, and the numbers of the list that the
    // setting's page may hold (0 where the page allows it); "" for a slot whose every number
    // is taken as it comes. Rows and columns past their three digits read as their defaults
    // on loading, so only the numbers below 1 and NaN are left for validation to refuse.
    const struct {
        int slot;
        const char *name;
        QStringList accepted;
    } table[] = {
        {1, "Thumbnail images format", {}},
        {2, "Resize type", {}},
        {3, "Thumbnail width", {}},
        {4, "Thumbnail height", {}},
        {6, "Thumbnail images naming", {}},
        {10, "JPG quality", {}},
        {16, "Thumbnails pages naming", {}},
        {22, "Number of thumbnails rows", {"1e300", "inf", "4294967296", "2147483647"}},
        {23, "Number of thumbnails columns", {"1e300", "inf", "4294967296", "2147483647"}},
        // The table width's edit takes any text: every whole number is one it may hold.
        {25, "", {"1e300", "-1e300", "inf", "-inf", "NaN", "4294967296", "2147483647", "-1", "0"}},
        {27, "Table colour", {"0"}},
        {28, "Cell colour", {"0"}},
        {29, "Border colour", {"0"}},
        {30, "Alignment", {}},
        {31, "Border size", {"0"}},
        {32, "Cell padding", {"0"}},
        {33, "Cell spacing", {"0"}},
        {36, "Full size images format", {}},
        {38, "Full size images naming", {}},
        {42, "JPG quality", {}},
        {48, "Full size pages naming", {}},
        {58, "Number of links columns", {}},
        {69, "Background colour", {"0"}},
        {70, "Text colour", {"0"}},
        {71, "Hyperlink colour", {"0"}},
        {72, "Visited link colour", {"0"}},
        {73, "Active link colour", {"0"}},
        {75, "Top margin", {"0"}},
        {77, "Left margin", {"0"}},
        {106, "Enumeration for file/image names start", {"0"}},
        {107, "Standard length for enumeration", {"0"}},
        {109, "File/Image naming casing", {}},
        {112, "Overwrite option", {}},
        // No page sets the read-only save type, and no run reads it.
        {128, "", {"1e300", "-1e300", "inf", "-inf", "NaN", "4294967296", "2147483647", "-1", "0"}},
    };
    for (const auto &s : table) {
        for (const gbtest::DamagedNumber &number : gbtest::damagedNumbers()) {
            SCOPED_TRACE(gbtest::damagedCase(s.slot, number).toStdString());
            ValueArray record = gbtest::textLinkGallery(gbtest::makeBaseFolder()).aData();
            record[size_t(s.slot - 1)] = Value(number.value);
            HGallery loaded(nullptr, record);
            ui.errorLogs.clear();
            const gb::GalleryRunResult result = loaded.generate({photo}, {});
            const bool accepted = s.accepted.contains(QLatin1String(number.text));
            if (!accepted) {
                ASSERT_FALSE(result.problems.isEmpty());
                EXPECT_TRUE(result.problems.join('\n').contains(QLatin1String(s.name)))
                    << result.problems.join('\n').toStdString();
                continue;
            }
            EXPECT_TRUE(result.problems.isEmpty()) << result.problems.join('\n').toStdString();
            EXPECT_TRUE(result.completed());
            EXPECT_TRUE(result.failures.isEmpty()) << result.failures.join('\n').toStdString();
            expectGallery(loaded.baseFolder(), loaded.htmlExt());
        }
    }
}
