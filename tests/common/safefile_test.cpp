// Whole-file writes, and the clearing of what killed writers leave behind.

#include "common/safefile.h"
#include "image/imagefile.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace gb;
using gbtest::readFile;
using gbtest::writeFile;

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

// A writer killed in the middle of a file leaves the name as it was (absent, or the old
// file) and one temporary file that names it; the next sweep of the folder removes that.
TEST(SafeFile, AKilledWriteLeavesNoFileCutShortUnderItsName)
{
    const std::function<bool(const QString &, const QByteArray &)> image = [](const QString &p, const QByteArray &b) {
        QString why;
        return writeImageFile(p, b, why);
    };
    const std::function<bool(const QString &, const QByteArray &)> whole = [](const QString &p, const QByteArray &b) {
        return writeFileAtomically(p, b);
    };
    const struct {
        const char *writer;
        std::function<bool(const QString &, const QByteArray &)> write;
        bool existing;
        QString name;
    } rows[] = {{"image", image, false, "out.bmp"},
                {"image", image, true, "out.bmp"},
                // A name near the system's limit still gets a temporary name, and one the sweep knows.
                {"page", whole, false, QString(250, 'p') + ".htm"},
                {"page", whole, true, QString(250, 'p') + ".htm"}};
    const QByteArray bytes(2 << 20, 'x');
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.writer) + (row.existing ? ", replacing" : ", new"));
        const QString dir = gbtest::makeTempDir();
        const QString target = dir + "/" + row.name;
        if (row.existing)
            ASSERT_TRUE(writeFile(target, "old"));
        const pid_t writer = gbtest::killedAtFileSize(1 << 20, [&] { row.write(target, bytes); });
        ASSERT_NE(writer, 0) << "the write was not cut short";

        EXPECT_EQ(QFileInfo::exists(target), row.existing);
        if (row.existing)
            EXPECT_EQ(readFile(target), "old");
        QStringList litter = entriesOf(dir);
        litter.removeAll(row.name);
        ASSERT_EQ(litter.size(), 1);
        EXPECT_TRUE(litter[0].startsWith("." + row.name.left(100))) << litter[0].toStdString();
        EXPECT_TRUE(litter[0].contains(QString::number(writer))) << litter[0].toStdString();

        EXPECT_EQ(removeDeadLeftovers(dir, Leftover::Write), 1);
        EXPECT_EQ(entriesOf(dir), row.existing ? QStringList{row.name} : QStringList{});
        // The writer of this process, alive, still writes whole files here.
        ASSERT_TRUE(row.write(target, "new"));
        EXPECT_EQ(readFile(target), "new");
        EXPECT_EQ(entriesOf(dir), QStringList{row.name});
    }
}

// The move into place: a file that existed may be replaced (and hands on its permissions);
// a new one never replaces a file that appeared while it was written.
TEST(SafeFile, ANewFileNeverReplacesOneThatAppearedMeanwhile)
{
    using Replace = PendingFile::Replace;
    const struct {
        const char *what;
        bool existed;
        bool appears;
        Replace replace;
        bool moved;
    } rows[] = {
        {"new", false, false, Replace::IfFound, true},
        {"new, another appears", false, true, Replace::IfFound, false},
        {"new, another appears, never replace", false, true, Replace::Never, false},
        {"new, another appears, replace", false, true, Replace::Always, true},
        {"existing", true, false, Replace::IfFound, true},
        {"existing, never replace", true, false, Replace::Never, false},
    };
    const mode_t mask = ::umask(022);
    ::umask(mask);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString dir = gbtest::makeTempDir();
        const QString target = dir + "/out.jpg";
        if (row.existed) {
            ASSERT_TRUE(writeFile(target, "theirs"));
            ::chmod(QFile::encodeName(target).constData(), 0640);
        }
        PendingFile file(target);
        ASSERT_TRUE(file.isOpen()) << file.errorString().toStdString();
        ASSERT_TRUE(file.write(QByteArray("ours")));
        if (row.appears)
            ASSERT_TRUE(writeFile(target, "theirs"));
        EXPECT_EQ(file.commit(row.replace, false), row.moved);
        EXPECT_EQ(readFile(target), row.moved ? "ours" : "theirs");
        if (!row.moved)
            EXPECT_EQ(file.errorString().toStdString(), "File exists");
        if (row.moved)
            EXPECT_EQ(modeOf(target), row.existed ? mode_t(0640) : mode_t(0666 & ~mask));
        EXPECT_EQ(entriesOf(dir), QStringList{"out.jpg"});
    }
}

// A write that cannot finish leaves nothing: no file under the name, no temporary file.
TEST(SafeFile, AFailedWriteRemovesItsTemporaryFile)
{
    const QString dir = gbtest::makeTempDir();
    {
        PendingFile file(dir + "/out.jpg");
        ASSERT_TRUE(file.write(QByteArray("half")));
        EXPECT_EQ(entriesOf(dir).size(), 1);
    }
    EXPECT_TRUE(entriesOf(dir).isEmpty());
    QString error;
    EXPECT_FALSE(writeFileAtomically(dir + "/missing/out.htm", "page", &error));
    EXPECT_TRUE(error.startsWith("Cannot create " + dir + "/missing/out.htm: ")) << error.toStdString();
    EXPECT_TRUE(entriesOf(dir).isEmpty());
}
