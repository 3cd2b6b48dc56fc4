#include "gallery/hgallery.h"

namespace gb {

QString HGallery::masterIndexText(const GalleryPages &pages) const
{
    const QString &crLf = galleryCrLf();
    QString s = htmlHeadTag() + htmlBodyStart(GalleryMasterIndex) + htmlCreateLogo(GalleryMasterIndex) + htmlSiteTitle();
    s += bHtml_Mi();
    s += masterIndexPageTitle();
    // The master index has no neighbours: at most the Home link.
    const QString bar = createLinksString(QString(), QString(), QString(), QString(), QString(), GalleryMasterIndex);
    if (linksOnTop())
        s += bar;
    s += QStringLiteral("<p>&nbsp;</p>") + crLf + QStringLiteral("<div align=\"center\">") + crLf
        + QStringLiteral("<table width=\"80%\">");

    // An empty page list gives a table without rows rather than a division by zero.
    const int count = int(pages.size());
    const int columns = std::min(masterIndexColumns(), count);
    const int rows = columns > 0 ? count / columns + (count % columns ? 1 : 0) : 0;
    const QString cellOpen = QStringLiteral("<td width=\"") + QString::number(columns > 0 ? 100 / columns : 100)
        + QStringLiteral("%\" align=\"center\">");
    const HGallery::FontData font = masterIndexLinkFont();
    for (int r = 1; r <= rows; ++r) {
        s += QStringLiteral("<tr>") + crLf;
        for (int c = 1; c <= columns; ++c) {
            s += cellOpen;
            const int number = (r - 1) * columns + c;
            if (number <= count) {
                const GalleryPage &page = pages[number - 1];
                const QString open = QStringLiteral("<a href=\"") + miPg2ThPg(page.name).toHtmlEscaped()
                    + QStringLiteral("\">");
                if (masterIndexLinkPage())
                    s += open + htmlFormatText(page.name.toHtmlEscaped(), font) + QStringLiteral("</a><br>");
                if (masterIndexLinkThumb() && !page.images.empty()) {
                    const GalleryImage &first = page.images.front();
                    s += open + QStringLiteral("<img src=\"") + miPg2ThIm(first.thumbFile).toHtmlEscaped()
                        + QStringLiteral("\" width=\"") + first.thumbWidth + QStringLiteral("\" height=\"")
                        + first.thumbHeight
                        + QStringLiteral("\" alt = \"Click to enter gallery\" border=\"0\"></a><br>");
                }
                if (masterIndexLinkText())
                    s += open
                        + htmlFormatText(masterIndexStdLinkText() + QLatin1Char(' ') + QString::number(number), font)
                        + QStringLiteral("</a><br>");
            }
            s += QStringLiteral("</td>") + crLf;
        }
        s += QStringLiteral("</tr>") + crLf;
    }
    s += QStringLiteral("</table>") + crLf + QStringLiteral("</div>") + crLf;
    if (!linksOnTop())
        s += bar;
    s += aHtml_Mi();
    s += QStringLiteral("</body>") + crLf + QStringLiteral("</html>") + crLf;
    return s;
}

} // namespace gb
