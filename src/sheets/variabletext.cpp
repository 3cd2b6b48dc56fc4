#include "sheets/variabletext.h"

#include "common/datetext.h"
#include "common/filepaths.h"
#include "image/imageload.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace gb {

QStringList imageVariableText(const QString &file, const std::vector<int> &codes)
{
    const QString name = extractFileName(file);
    QStringList lines;
    for (int code : codes) {
        switch (code) {
        case 1: {
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            lines << (dot < 0 ? name : name.left(dot));
            break;
        }
        case 2:
            lines << QString::number(fileSizeK(file)) + QStringLiteral(" kb");
            break;
        case 3:
            lines << QString::number(fileSizeB(file)) + QStringLiteral(" bytes");
            break;
        case 4:
        case 5:
        case 6: {
            // Each line reads the header again, as the dimensions may be asked for alone.
            int width = 0, height = 0;
            QString error;
            int bits = 0;
            if (!getImageDims(file, width, height, bits, error))
                lines << QString();
            else if (code == 4)
                lines << QString::number(width) + QStringLiteral(" x ") + QString::number(height);
            else if (code == 5)
                lines << QStringLiteral("Width: ") + QString::number(width);
            else
                lines << QStringLiteral("Height: ") + QString::number(height);
            break;
        }
        case 7:
            lines << programDateText(QDate::currentDate());
            break;
        case 8:
            lines << QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
            break;
        case 9:
            lines << name;
            break;
        default:
            break;
        }
    }
    return lines;
}

} // namespace gb
