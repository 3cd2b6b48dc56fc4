#include "sheets/pdftools.h"

#include "support/testutil.h"

#include <QProcess>
#include <QRegularExpression>

#include <cstdlib>

namespace gbtest {

namespace {

QByteArray run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

} // namespace

int pdfPageCount(const QString &pdf)
{
    const QString info = QString::fromUtf8(run("pdfinfo", {pdf}));
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfText(const QString &pdf, int page)
{
    return QString::fromUtf8(run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"}));
}

QImage pdfPageImage(const QString &pdf, int page)
{
    const QString stem = makeTempDir("render") + "/page";
    run("pdftoppm", {"-r", "96", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", "-f", QString::number(page),
                     "-l", QString::number(page), pdf, stem});
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

bool pixelNear(const QImage &image, int x, int y, QRgb colour, int tolerance)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return false;
    const QRgb p = image.pixel(x, y);
    return std::abs(qRed(p) - qRed(colour)) <= tolerance && std::abs(qGreen(p) - qGreen(colour)) <= tolerance
        && std::abs(qBlue(p) - qBlue(colour)) <= tolerance;
}

} // namespace gbtest
