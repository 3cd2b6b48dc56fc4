#include "catalog/archivesearch.h"
#include "catalog/openarchive.h"
#include "catalogfixture.h"

#include <gtest/gtest.h>

using namespace gb;

namespace {

SearchCriteria defaults()
{
    SearchCriteria c;
    c.mediaTypes = {"1", "2", "3", "4"};
    c.imageTypes = {"BMP", "EMF", "GIF", "JPG", "PCX", "PNG", "TGA", "TIF", "WMF", "PSD"};
    return c;
}

SearchRecord record(const QString &path, qint64 size = 5000, const QDate &day = QDate(2004, 7, 1),
                    const QStringList &keys = {}, const QString &comments = {})
{
    return {"1", "DISK", path, day, size, keys, comments};
}

bool passes(const SearchCriteria &c, const SearchRecord &r)
{
    return matchesSearch(prepareCriteria(c), r);
}

} // namespace

TEST(CatalogSearch, ChecksAndTheirMessages)
{
    SearchCriteria c = defaults();
    EXPECT_EQ(checkSearchCriteria(c).message, "");
    c.mediaTypes.clear();
    EXPECT_EQ(checkSearchCriteria(c).message, "Define at least one media type");
    c = defaults();
    c.imageTypes.clear();
    EXPECT_EQ(checkSearchCriteria(c).message, "Define at least one image format");
    c = defaults();
    c.modifiedAfter = QDate(2004, 7, 2);
    c.modifiedBefore = QDate(2004, 7, 1);
    EXPECT_EQ(checkSearchCriteria(c).message, "Define a valid dates range");
    EXPECT_TRUE(checkSearchCriteria(c).stops);
    c.modifiedBefore = c.modifiedAfter;
    EXPECT_EQ(checkSearchCriteria(c).message, "");
    c = defaults();
    c.sizeGreater = 10;
    c.sizeLess = 5;
    EXPECT_EQ(checkSearchCriteria(c).message, "File minimum size cannot be greater than maximum requested size");
    EXPECT_FALSE(checkSearchCriteria(c).stops);
    EXPECT_FALSE(passes(c, record("/a/x.jpg", 7 * 1024)));
}

TEST(CatalogSearch, NamePatternsLookAtTheBaseNameOnly)
{
    const struct { const char *include; const char *exclude; const char *path; bool listed; } cases[] = {
        {"sea", "", "/a/Seaside.jpg", true},
        {"sea", "", "/a/my sea.gif", true},
        {"sea", "", "/a/beach.sea.png", true},
        {"jpg", "", "/a/photo.jpg", false},
        {"a", "", "/sea/photo.jpg", false},
        {"*", "", "/a/photo.jpg", false},
        {"*", "", "/a/st*r.jpg", true},
        {"", "side", "/a/Seaside.jpg", false},
        {"", "side", "/a/sea.jpg", true},
        {"", "", "/a/photo.jpeg", false},
        {"", "", "/a/photo.tiff", false},
        {"", "", "/a/PHOTO.Tif", true},
    };
    for (const auto &t : cases) {
        SearchCriteria c = defaults();
        c.includeInFile = t.include;
        c.excludeFromFile = t.exclude;
        EXPECT_EQ(passes(c, record(t.path)), t.listed) << t.include << "|" << t.exclude << "|" << t.path;
    }
}

TEST(CatalogSearch, SizesInKilobytesAndDates)
{
    SearchCriteria c = defaults();
    c.sizeLess = 1;
    EXPECT_TRUE(passes(c, record("/a.jpg", 0)));        // 0 bytes count as 1 kb
    EXPECT_FALSE(passes(c, record("/a.jpg", 1024)));    // exactly 1 kb counts as 2
    c.sizeLess = 0;
    c.sizeGreater = 2;
    EXPECT_TRUE(passes(c, record("/a.jpg", 2048)));     // 2,048 bytes count as 3
    EXPECT_FALSE(passes(c, record("/a.jpg", 2047)));
    c = defaults();
    c.modifiedAfter = c.modifiedBefore = QDate(2004, 7, 1);
    EXPECT_TRUE(passes(c, record("/a.jpg", 10, QDate(2004, 7, 1))));
    EXPECT_FALSE(passes(c, record("/a.jpg", 10, QDate(2004, 7, 2))));
    EXPECT_FALSE(passes(c, record("/a.jpg", 10, QDate(2004, 6, 30))));
}

TEST(CatalogSearch, KeywordRules)
{
    const struct { QStringList wanted; bool all, exact, cs; QStringList keys; bool hit; } cases[] = {
        {{"sea"}, false, false, false, {"Seaside"}, true},
        {{"sea"}, false, false, true, {"Seaside"}, false},
        {{"sea"}, false, true, false, {"Seaside"}, false},
        {{"seaside"}, false, true, false, {"Seaside"}, true},
        {{"sea", "sky"}, true, false, false, {"Seaside"}, false},
        {{"sea", "sky"}, false, false, false, {"Seaside"}, true},
        {{"sea", "sea"}, true, false, false, {"sea"}, true},
        {{"sea"}, false, false, false, {}, false},
    };
    for (const auto &t : cases) {
        SearchCriteria c = defaults();
        c.keywords = t.wanted;
        c.allKeywords = t.all;
        c.exactMatch = t.exact;
        c.caseSensitive = t.cs;
        EXPECT_EQ(passes(c, record("/a.jpg", 10, QDate(2004, 7, 1), t.keys)), t.hit) << t.wanted.join(",").toStdString();
    }
    // An empty keyword list lets records without keywords through.
    EXPECT_TRUE(passes(defaults(), record("/a.jpg")));
}

TEST(CatalogSearch, CommentRules)
{
    SearchCriteria c = defaults();
    c.includeInComments = "Beach";
    EXPECT_TRUE(passes(c, record("/a.jpg", 10, {}, {}, "on the beach")));
    c.commentsCaseSensitive = true;
    EXPECT_FALSE(passes(c, record("/a.jpg", 10, {}, {}, "on the beach")));
    EXPECT_FALSE(passes(c, record("/a.jpg", 10, {}, {}, "")));
    c = defaults();
    c.excludeFromComments = "rain";
    EXPECT_TRUE(passes(c, record("/a.jpg", 10, {}, {}, "")));
    EXPECT_FALSE(passes(c, record("/a.jpg", 10, {}, {}, "RAIN all day")));
}

TEST(CatalogSearch, ScanVisitsChosenMediaInOrder)
{
    auto server = createNewArchive(nullptr, gbtest::freshStem());
    ASSERT_TRUE(server);
    for (const char *m : {"4", "1", "3", "2"})
        ASSERT_TRUE(gbtest::addImage(*server, {m, "L", "/f/", QString("m%1.jpg").arg(m), {}, {}, {}}));
    ASSERT_TRUE(gbtest::addImage(*server, {"1", "L", "/f/", "other.jpeg", {}, {}, {}}));
    QStringList found;
    SearchCriteria c = defaults();
    int examined = searchArchive(*server, c, {}, [&](const SearchRecord &r) { found << r.fullPath; });
    EXPECT_EQ(examined, 5);
    EXPECT_EQ(found, QStringList({"/f/m1.jpg", "/f/m2.jpg", "/f/m3.jpg", "/f/m4.jpg"}));
    found.clear();
    c.mediaTypes = {"3"};
    examined = searchArchive(*server, c, {}, [&](const SearchRecord &r) { found << r.fullPath; });
    EXPECT_EQ(examined, 1);
    EXPECT_EQ(found, QStringList{"/f/m3.jpg"});
    EXPECT_EQ(getMediaDesc("4"), "Removable Disk");
    EXPECT_EQ(getMediaDesc("x"), "");
}

TEST(CatalogSearch, ScanFindsWhatTheRulesPassWithOrWithoutAWatcher)
{
    // Names that the scan tests on FILENAME's bytes (ASCII, either case, blanks inside) or
    // through their text (accents, a letter that upper-cases to two), and names longer than
    // FILENAME, which only FULLPATH holds whole: among them names whose cut FILENAME ends in
    // a blank, because the cut fell after a blank or before a letter of two bytes.
    const char *const names[] = {
        "sea12.jpg",       "SEA12.JPG",         "Sea 12 .Png",          "seaside.jpeg",          "12.jpg",
        "x.12",            "noext",             "été12.jpg",            "ÉTÉ.gif",               "straße.tif",
        "STRASSE.tif",     "a_very_long_name_of_a_sea_photo_12.jpg", "a_very_long_name_of_a_photo.jpg.txt",
        "twenty-five-chars-12.jpg", "twenty-five-chars-123.jpg",  "café sea.bmp",
        "Summer holidays in Italy 2005.jpg", "bbbbbbbbbbbbbbbbbbbbbbbbé.jpg",
    };
    auto server = createNewArchive(nullptr, gbtest::freshStem());
    ASSERT_TRUE(server);
    std::vector<SearchRecord> all;
    int i = 0;
    for (const char *n : names) {
        const QString name = QString::fromUtf8(n);
        const QString media = i % 3 ? "1" : "4";
        const ValueArray keys = i % 2 ? ValueArray{Value(QString("Sunset")), Value(QString("beach"))} : ValueArray{};
        ASSERT_TRUE(gbtest::addImage(*server, {media, "VOL", "/f/", name, keys, i % 4 ? "" : "old Sea", {}}));
        all.push_back({media, "VOL", "/f/" + name, QDate(2004, 7, 1), 123456,
                       i % 2 ? QStringList{"Sunset", "beach"} : QStringList{}, i % 4 ? "" : "old Sea"});
        ++i;
    }
    // A deleted record is never found.
    ASSERT_TRUE(gbtest::addImage(*server, {"1", "VOL", "/f/", "sea12.jpg", {}, {}, {}}));
    ASSERT_TRUE(server->deleteRecord());

    const struct { const char *include, *exclude, *keyword, *comment; } cases[] = {
        {"12", "", "", ""}, {"sea", "12", "", ""},   {"été", "", "", ""}, {"ss", "", "", ""},
        {"", "", "sun", ""}, {"12", "", "sunset", ""}, {"", "", "", "sea"}, {"E", "", "", ""},
        {"", "", "", ""},   {"italy", "", "", ""},   {"bé", "", "", ""},
    };
    for (const auto &t : cases) {
        SearchCriteria c = defaults();
        c.mediaTypes = {"4", "1"};
        c.includeInFile = QString::fromUtf8(t.include);
        c.excludeFromFile = QString::fromUtf8(t.exclude);
        if (*t.keyword)
            c.keywords = {QString::fromUtf8(t.keyword)};
        c.includeInComments = QString::fromUtf8(t.comment);
        QStringList expected;
        for (const QString &m : c.mediaTypes) {
            QStringList ofMedia;
            for (const SearchRecord &r : all)
                if (r.media == m && passes(c, r))
                    ofMedia << r.fullPath;
            ofMedia.sort();
            expected << ofMedia;
        }
        QStringList found, watched, examinedPaths;
        const int quiet = searchArchive(*server, c, {}, [&](const SearchRecord &r) { found << r.fullPath; });
        const int seen = searchArchive(
            *server, c, [&](const SearchRecord &r) { examinedPaths << r.fullPath; },
            [&](const SearchRecord &r) { watched << r.fullPath; });
        const QString what = QString("%1|%2|%3|%4").arg(t.include, t.exclude, t.keyword, t.comment);
        EXPECT_EQ(found, expected) << what.toStdString();
        EXPECT_EQ(watched, expected) << what.toStdString();
        EXPECT_EQ(quiet, int(all.size()));
        EXPECT_EQ(seen, int(all.size()));
        EXPECT_EQ(examinedPaths.size(), qsizetype(all.size()));
        for (const SearchRecord &r : all)
            EXPECT_TRUE(examinedPaths.contains(r.fullPath)) << r.fullPath.toStdString();
        EXPECT_TRUE(server->eof());
    }
}
