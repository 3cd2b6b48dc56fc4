#include "gallery/hgallery.h"

namespace gb {

QString HGallery::createLinksString(const QString &up, const QString &prev, const QString &next,
                                    const QString &first, const QString &last, int kind) const
{
    const QString pageFolder = kind == GalleryThumbPage      ? thPgSubFolder()
                             : kind == GalleryFullSizePage ? fsPgSubFolder()
                                                           : QString();
    struct Link {
        bool on;
        QString target;
        QString text;
        bool withImage;
        QString image;
    };
    // Display order; the Home target is the address as the user gave it.
    const Link links[] = {
        {link2Home(), homeUrl(), homeTextLink(), link2HomeWithImage(), homeImageLink()},
        {link2Up() && !up.isEmpty(), up, upTextLink(), link2UpWithImage(), upImageLink()},
        {link2First() && !first.isEmpty(), first, firstTextLink(), link2FirstWithImage(), firstImageLink()},
        {link2Prev() && !prev.isEmpty(), prev, prevTextLink(), link2PrevWithImage(), prevImageLink()},
        {link2Next() && !next.isEmpty(), next, nextTextLink(), link2NextWithImage(), nextImageLink()},
        {link2Last() && !last.isEmpty(), last, lastTextLink(), link2LastWithImage(), lastImageLink()},
    };
    QString cells;
    for (const Link &link : links) {
        if (!link.on)
            continue;
        cells += QStringLiteral("<td><a href=\"") + link.target.toHtmlEscaped();
        if (link.withImage)
            cells += QStringLiteral("\"><img src=\"")
                + relativePathFromTo(link.image, pageFolder, auxSubFolder()).toHtmlEscaped()
                + QStringLiteral("\" alt=\"") + link.text.toHtmlEscaped() + QStringLiteral("\" border=\"0\"></a>");
        else
            cells += QStringLiteral("\">") + htmlFormatText(link.text, linkFont()) + QStringLiteral("</a>");
        cells += QStringLiteral("</td>");
    }
    if (cells.isEmpty())
        return QString();
    const QString &crLf = galleryCrLf();
    return QStringLiteral("<div align=\"center\"><center>") + crLf
        + QStringLiteral("<table border=\"0\" cellspacing=\"10\" cellpadding=\"4\">") + crLf
        + QStringLiteral("<tr>") + crLf + cells + QStringLiteral("</tr>") + crLf + QStringLiteral("</table>") + crLf
        + QStringLiteral("</center></div>") + crLf;
}

} // namespace gb
