// A process that dies in the middle of changing a table must leave files that reopen
// consistent: every record that the table holds is found through its index, nothing else is.
#include "platform/table/dbserver.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using gb::DbServer;
using gb::Value;

namespace {

const gb::TableStructure kStructure = {{"KEY", 'C', 10, 0}, {"GROUP", 'C', 2, 0}, {"DATA", 'M', 10, 0}};

QString prepare(int records)
{
    const QString path = gbtest::makeTempDir() + "/crash.dbf";
    EXPECT_TRUE(DbServer::create(path, kStructure));
    DbServer t;
    EXPECT_TRUE(t.open(path));
    const QString cdx = QFileInfo(path).path() + "/crash.cdx";
    EXPECT_TRUE(t.createIndex(cdx, "KEY"));
    EXPECT_TRUE(t.createOrder("GROUP", cdx, "GROUP + KEY"));
    for (int i = 0; i < records; ++i) {
        t.append();
        t.fieldPut("KEY", QString::number(i * 7919 % 100003).rightJustified(10, '0'));
        t.fieldPut("GROUP", QString::number(i % 10));
        t.fieldPut("DATA", gb::ValueArray{i, QString(300, 'x')});
    }
    EXPECT_TRUE(t.commit());
    return path;
}

// The work the child does until it dies: appends, key changes and deletions, in turn;
// batched, groups of five rounds run under one held lock.
[[noreturn]] void work(const QString &path, int signalFd, bool batched = false)
{
    DbServer t;
    if (!t.open(path))
        _exit(3);
    for (int i = 0;; ++i) {
        if (batched && i % 5 == 0) {
            if (i > 0)
                t.unlock();
            t.lock();
        }
        t.append();
        t.fieldPut("KEY", QString("N%1").arg(i).rightJustified(10, '0'));
        t.fieldPut("GROUP", QString::number(i % 10));
        t.fieldPut("DATA", gb::ValueArray{i, QString(3000, 'y')});
        t.commit();
        if (i % 3 == 1 && t.goTo(uint32_t(1 + i % 50))) {
            t.fieldPut("KEY", QString("M%1").arg(i).rightJustified(10, '0'));
            t.commit();
        }
        if (i % 5 == 4 && t.goTo(uint32_t(60 + i % 40)))
            t.deleteRecord();
        if (signalFd >= 0 && write(signalFd, "x", 1) != 1)
            _exit(4);
    }
}

// Reopens and checks the index against the records, in both orders.
void expectConsistent(const QString &path)
{
    DbServer t;
    ASSERT_TRUE(t.open(path)) << t.errorString().toStdString();
    t.setOrder(0);
    QStringList live;
    for (t.goTop(); !t.eof(); t.skip()) {
        live << t.fieldGet("KEY").toString();
        const Value data = t.fieldGet("DATA");
        ASSERT_TRUE(data.isArray()) << t.recNo();
    }
    live.sort();
    for (int order = 1; order <= 2; ++order) {
        t.setOrder(order);
        QStringList walked;
        QByteArray previous;
        for (t.goTop(); !t.eof(); t.skip()) {
            walked << t.fieldGet("KEY").toString();
            const QByteArray key = (t.fieldGet(order == 1 ? "KEY" : "GROUP").toString()
                                    + (order == 1 ? "" : t.fieldGet("KEY").toString())).toUtf8();
            ASSERT_LE(previous, key);
            previous = key;
        }
        walked.sort();
        ASSERT_EQ(walked, live) << "order " << order;
    }
    t.setOrder(1);
    for (const QString &key : live)
        ASSERT_TRUE(t.seek(key.toUtf8())) << key.toStdString();
}

} // namespace

// The child ends itself after a chosen number of file writes, so that every step of an
// append, a key change and a deletion is the last one done at some run.
TEST(TableCrash, DyingAfterAnyWriteLeavesAConsistentTable)
{
    for (int run = 0; run < 120; ++run) {
        const int writes = 1 + run % 60;
        const bool batched = run >= 60;
        const QString path = prepare(120);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            gb::tabletesting::exitAfterWrites(writes);
            work(path, -1, batched);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 77) << "writes " << writes;
        expectConsistent(path);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "after " << writes << " writes" << (batched ? ", batched" : "");
            return;
        }
    }
}

// A real kill: the child reports each finished round through a pipe and is killed with
// SIGKILL while it works on a later one.
TEST(TableCrash, KilledWhileAppendingReopensConsistent)
{
    for (int rounds : {3, 40, 200}) {
        const QString path = prepare(100);
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            work(path, fds[1]);
        }
        close(fds[1]);
        char c;
        for (int i = 0; i < rounds; ++i)
            ASSERT_EQ(read(fds[0], &c, 1), 1);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(fds[0]);
        EXPECT_TRUE(WIFSIGNALED(status));
        expectConsistent(path);
        DbServer t;
        ASSERT_TRUE(t.open(path));
        EXPECT_GE(t.recCount(), uint32_t(100 + rounds));
    }
}

// The rebuild of a stale index can itself be cut short; the next opening rebuilds again.
TEST(TableCrash, DyingWhileRebuildingTheIndexIsRepairedLater)
{
    for (int writes = 1; writes <= 3; ++writes) {
        const QString path = prepare(300);
        const QString cdx = QFileInfo(path).path() + "/crash.cdx";
        // Records added while the index file was away leave it out of date.
        ASSERT_TRUE(QFile::rename(cdx, cdx + ".away"));
        {
            DbServer t;
            ASSERT_TRUE(t.open(path));
            t.append();
            t.fieldPut("KEY", QString("late"));
            t.fieldPut("DATA", gb::ValueArray{-1});
            ASSERT_TRUE(t.commit());
        }
        ASSERT_TRUE(QFile::rename(cdx + ".away", cdx));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            gb::tabletesting::exitAfterWrites(writes);
            DbServer t;
            t.open(path);
            t.setOrder(1);
            t.seek("late");
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        // Each of the rebuild's three writes (dirty header, pages, clean header) is the last once.
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 77) << writes;
        expectConsistent(path);
        DbServer t;
        ASSERT_TRUE(t.open(path));
        t.setOrder(1);
        EXPECT_TRUE(t.seek("late")) << writes;
    }
}
