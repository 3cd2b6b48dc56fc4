#include "gallery/hgallery.h"

#include "common/datetext.h"

#include "gallery/galleryutil.h"
#include "image/imageload.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace gb {

namespace {

// Text that stands in an attribute value or for a file name: never HTML of its own.
QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

QString centredBlock(const QString &inner)
{
    const QString &crLf = galleryCrLf();
    return QStringLiteral("<div align=\"center\"><center>") + crLf + inner + QStringLiteral("</center></div>") + crLf;
}

QString todayText()
{
    return programDateText(QDate::currentDate());
}

} // namespace

QString HGallery::htmlFormatText(const QString &text, const FontData &font)
{
    QString s;
    if (font.bold)
        s += QStringLiteral("<strong>");
    if (font.italic)
        s += QStringLiteral("<em>");
    if (font.underline)
        s += QStringLiteral("<u>");
    s += QStringLiteral("<font face=\"") + esc(font.face) + QStringLiteral("\" size=\"") + QString::number(font.size)
        + QStringLiteral("\" color=\"") + galleryHexColor(font.color) + QStringLiteral("\">") + text + QStringLiteral("</font>");
    if (font.underline)
        s += QStringLiteral("</u>");
    if (font.italic)
        s += QStringLiteral("</em>");
    if (font.bold)
        s += QStringLiteral("</strong>");
    return s;
}

QString HGallery::htmlHeadTag() const
{
    const QString &crLf = galleryCrLf();
    QString s = QStringLiteral("<html>") + crLf + QStringLiteral("<head>") + crLf;
    s += QStringLiteral("<title>") + siteTitle() + QStringLiteral("</title>") + crLf;
    s += QStringLiteral("<meta name=\"GENERATOR\" content=\"Glimmerbox 1.1\">") + crLf;
    if (!metaTags().trimmed().isEmpty())
        s += metaTags() + crLf;
    s += QStringLiteral("</head>") + crLf;
    return s;
}

QString HGallery::htmlBodyStart(int kind) const
{
    QString extra;
    if (useBackground()) {
        const QString link = kind == GalleryThumbPage ? thPg2Aux(background())
                           : kind == GalleryFullSizePage ? fsPg2Aux(background())
                                                         : miPg2Aux(background());
        extra += QStringLiteral(" background=\"") + esc(link) + QLatin1Char('"');
    }
    if (specifyLeftMargin())
        extra += QStringLiteral(" leftmargin=\"") + QString::number(leftMargin()) + QLatin1Char('"');
    if (specifyTopMargin())
        extra += QStringLiteral(" topmargin=\"") + QString::number(topMargin()) + QLatin1Char('"');
    if (useDefaultPageProperties())
        return extra.isEmpty() ? QString() : QStringLiteral("<body") + extra + QLatin1Char('>');
    return QStringLiteral("<body bgcolor=\"#") + galleryHexColor(backgroundColor()) + QStringLiteral("\" text =\"#")
        + galleryHexColor(textColor()) + QStringLiteral("\" link =\"#") + galleryHexColor(linkColor())
        + QStringLiteral("\" vlink=\"#") + galleryHexColor(visitedLinkColor()) + QStringLiteral("\" alink=\"#")
        + galleryHexColor(activeLinkColor()) + QLatin1Char('"') + extra + QLatin1Char('>');
}

QString HGallery::htmlCreateLogo(int kind) const
{
    if (!useLogo())
        return QString();
    const QString &crLf = galleryCrLf();
    // A logo whose size cannot be read gets empty width and height attributes.
    QString width, height;
    int w = 0, h = 0, bits = 0;
    QString error;
    if (getImageDims(logoImage(), w, h, bits, error)) {
        width = QString::number(w);
        height = QString::number(h);
    }
    const QString link = kind == GalleryThumbPage ? thPg2Aux(logoImage())
                       : kind == GalleryFullSizePage ? fsPg2Aux(logoImage())
                                                     : miPg2Aux(logoImage());
    QString s = QStringLiteral("<div align=\"center\"><center>") + crLf + crLf;
    s += QStringLiteral("<table border=\"0\" cellpadding=\"0\" width=\"100%\">") + crLf;
    s += QStringLiteral("  <tr>") + crLf;
    s += QStringLiteral("   <td width=\"100%\"><p align=\"center\"><img src=\"") + esc(link) + QStringLiteral("\" width=\"")
        + width + QStringLiteral("\" height=\"") + height + QStringLiteral("\" alt=\"") + esc(siteTitle())
        + QStringLiteral("\"></td>") + crLf;
    s += QStringLiteral("  </tr>") + crLf + QStringLiteral("</table>") + crLf + QStringLiteral("</center></div>") + crLf;
    return s;
}

QString HGallery::htmlSiteTitle() const
{
    return siteTitle().isEmpty() ? QString() : centredBlock(htmlFormatText(siteTitle(), siteTitleFont()));
}

QString HGallery::thumbsPageTitle(int n) const
{
    QString title = thPgTitle();
    if (thPgTitleSeq())
        title += QLatin1Char(' ') + QString::number(n);
    return title.isEmpty() ? QString() : centredBlock(htmlFormatText(title, thPgTitleFont()));
}

QString HGallery::fsPageTitle() const
{
    return fsPgTitle().isEmpty() ? QString() : centredBlock(htmlFormatText(fsPgTitle(), fsPgTitleFont()));
}

QString HGallery::openThumbsTable() const
{
    const int align = thTableAlignment();
    QString s = QStringLiteral("<div align=\"")
        + (align == 3 ? QStringLiteral("center") : align == 4 ? QStringLiteral("right") : QStringLiteral("left"))
        + QStringLiteral("\">") + galleryCrLf();
    s += QStringLiteral("<table border=\"") + QString::number(thTableBorderSize()) + QStringLiteral("\" cellspacing=\"")
        + QString::number(thTableCellSpacing()) + QStringLiteral("\" cellpadding=\"")
        + QString::number(thTableCellPadding()) + QLatin1Char('"');
    if (thSpecifyTableWidth())
        s += QStringLiteral(" width=\"") + QString::number(thTableWidth())
            + (thTablePercent() ? QStringLiteral("%") : QString()) + QLatin1Char('"');
    s += QStringLiteral(" bgcolor=\"#") + galleryHexColor(thTableBackColor()) + QStringLiteral("\" bordercolor=\"")
        + galleryHexColor(thTableBorderColor()) + QLatin1Char('"');
    if (thTableUseBackImage())
        s += QStringLiteral(" background=\"") + esc(thPg2Aux(thTableBackImage())) + QLatin1Char('"');
    s += QLatin1Char('>') + galleryCrLf();
    return s;
}

QString HGallery::variableText(const GalleryPages &pages, int p, int i, int kind) const
{
    const GalleryImage &image = pages.at(p - 1).images.at(i - 1);
    const QString name = galleryFileName(image.fullFile);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString br = QStringLiteral("<br>");
    QString s;
    for (int code : kind == GalleryThumbPage ? thPgVars() : fsPgVars()) {
        switch (code) {
        case 1: s += esc(dot < 0 ? name : name.left(dot)) + br; break;
        case 2: s += QString::number(image.byteSize / 1024 + (image.byteSize % 1024 ? 1 : 0)) + QStringLiteral(" kb") + br; break;
        case 3: s += QString::number(image.byteSize) + QStringLiteral(" bytes") + br; break;
        case 4: s += image.fullWidth + QStringLiteral(" x ") + image.fullHeight + br; break;
        case 5: s += QStringLiteral("width: ") + image.fullWidth + br; break;
        case 6: s += QStringLiteral("height:") + image.fullHeight + br; break;
        case 7: s += todayText() + br; break;
        case 8: s += QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) + br; break;
        case 9: s += esc(name) + br; break;
        case 10: if (!image.title.isEmpty()) s += image.title + br; break;
        case 11: if (!image.comment.isEmpty()) s += image.comment + br; break;
        default: break;
        }
    }
    if (kind == GalleryThumbPage)
        return htmlFormatText(s, thPgVarsFont());
    return QStringLiteral("<p align=\"center\">") + htmlFormatText(s, fsPgVarsFont()) + QStringLiteral("</p>");
}

QString HGallery::masterIndexPageTitle() const
{
    return masterIndexTitle().isEmpty() ? QString()
                                        : centredBlock(htmlFormatText(masterIndexTitle(), masterIndexTitleFont()));
}

} // namespace gb
