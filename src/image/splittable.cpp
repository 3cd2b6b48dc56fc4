#include "image/splittable.h"

#include "common/htmltext.h"
#include "common/safefile.h"
#include "image/clipboard.h"

namespace gb {

QStringList splitTableLines(const SplitTable &table)
{
    QStringList lines{QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"20%\">")};
    const int columns = table.empty() ? 0 : int(table.front().size());
    const int share = columns > 0 ? 100 / columns : 0;
    for (const std::vector<SplitCell> &row : table) {
        lines << QStringLiteral("<tr>");
        for (int c = 0; c < int(row.size()); ++c) {
            const SplitCell &cell = row[size_t(c)];
            const int width = c == columns - 1 ? 100 - (columns - 1) * share : share;
            const QString file = cell.path.mid(cell.path.lastIndexOf(QLatin1Char('/')) + 1);
            // Joined piece by piece: a "%2" in a file name or the ALT text is text, not a
            // placeholder.
            lines << QStringLiteral("<td width=\"") + QString::number(width) + QStringLiteral("%\"><img src=\"")
                         + urlPart(file) + QStringLiteral("\" width=\"") + QString::number(cell.width)
                         + QStringLiteral("\" height=\"") + QString::number(cell.height) + QStringLiteral("\" alt=\"")
                         + htmlAttribute(cell.alt) + QStringLiteral("\"></td>");
        }
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>");
    return lines;
}

namespace {

QString joinCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

bool createSplitTable(const SplitTable &table, const QString &folder, const QString &name, int target,
                      QString *error)
{
    const QStringList lines = splitTableLines(table);
    if (target == SplitTableClipboard) {
        if (copyText2Clipboard(joinCrLf(lines)))
            return true;
        if (error)
            *error = QStringLiteral("The clipboard could not be reached");
        return false;
    }
    QStringList file = lines;
    if (target == SplitTableHtmlFile) {
        file = QStringList{QStringLiteral("<html>"), QString(), QStringLiteral("<head>"),
                           QStringLiteral("<title>New Page 1</title>"),
                           QStringLiteral("<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 3.0\">"),
                           QStringLiteral("</head>"), QString(), QStringLiteral("<body>"),
                           QStringLiteral("<div align=\"center\"><center>")}
               + lines
               + QStringList{QString(), QStringLiteral("</center></div>"), QStringLiteral("</body>"),
                             QStringLiteral("</html>")};
    }
    const QString path = folder + name + (target == SplitTableHtmlFile ? QStringLiteral(".htm") : QStringLiteral(".txt"));
    return writeFileAtomically(path, joinCrLf(file).toUtf8(), error);
}

} // namespace gb
