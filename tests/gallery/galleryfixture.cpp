#include "galleryfixture.h"

#include "support/testutil.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace gbtest {

bool makeImage(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(40, 120, 200));
    return image.save(path);
}

QStringList makeSources(int count, int width, int height)
{
    const QString folder = makeTempDir(QStringLiteral("photos"));
    QStringList sources;
    for (int i = 1; i <= count; ++i) {
        sources << folder + QStringLiteral("/photo %1.jpg").arg(i);
        EXPECT_TRUE(makeImage(sources.last(), width, height));
    }
    return sources;
}

QString makeBaseFolder()
{
    return makeTempDir(QStringLiteral("gallery")) + QLatin1Char('/');
}

QString tidyErrors(const QString &path)
{
    QProcess tidy;
    tidy.start(QStringLiteral("tidy"), {QStringLiteral("-errors"), QStringLiteral("-q"), path});
    if (!tidy.waitForFinished(60000))
        return QStringLiteral("tidy did not run");
    // tidy exits with 2 when it found errors, 1 for warnings alone. Of the warnings, those
    // that tell of broken markup (rather than of markup of an older HTML) count as errors.
    if (tidy.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("tidy crashed");
    const QString report = QString::fromUtf8(tidy.readAllStandardError());
    if (tidy.exitCode() >= 2)
        return report;
    static const char *const broken[] = {"discarding unexpected", "unescaped", "missing '>'", "missing quote",
                                         "missing trailing quote", "is not recognized", "missing </",
                                         "replacing unexpected", "invalid character",
                                         "entity", "unexpected or duplicate quote", "join adjacent", "lacks \"alt\""};
    QStringList faults;
    for (const QString &line : report.split(QLatin1Char('\n')))
        for (const char *word : broken)
            if (line.contains(QLatin1String(word)))
                faults << line;
    return faults.join(QLatin1Char('\n'));
}

QString pageText(const QString &path)
{
    return QString::fromLatin1(readFile(path));
}

gb::HGallery textLinkGallery(const QString &baseFolder)
{
    gb::HGallery g;
    g.setBaseFolder(baseFolder);
    g.setLaunchHtml(false);
    g.setLink2HomeWithImage(false);
    g.setLink2UpWithImage(false);
    g.setLink2PrevWithImage(false);
    g.setLink2NextWithImage(false);
    g.setLink2FirstWithImage(false);
    g.setLink2LastWithImage(false);
    return g;
}

} // namespace gbtest
