#include "gallery/hgallery.h"

#include "common/htmltext.h"
#include "common/messages.h"
#include "common/safefile.h"
#include "common/uiseam.h"
#include "gallery/galleryutil.h"

#include <QFileInfo>

namespace gb {

namespace {

// A page file name as a link target beside it.
QString nameLink(const QString &name)
{
    return HGallery::relativePathFromTo(name, QString(), QString());
}

// The please-wait window of the page phase, closed on every way out.
class PleaseWait
{
public:
    PleaseWait(QWidget *owner, const QString &text) { ui().pleaseWaitShow(owner, text); }
    ~PleaseWait() { close(); }
    void setText(const QString &text) { ui().pleaseWaitText(text); }
    void close()
    {
        if (mOpen)
            ui().pleaseWaitClose();
        mOpen = false;
    }

private:
    bool mOpen = true;
};

} // namespace

void HGallery::createHtmlPages(const GalleryPages &pages, QStringList *failures)
{
    PleaseWait wait(mOOwner, QStringLiteral("Creating HTML pages..."));
    const auto write = [&](const QString &path, const QString &text) {
        if (!write2File(path, text) && failures)
            failures->append(QStringLiteral("Fail to create html file ") + path);
    };
    for (int p = 1; p <= int(pages.size()); ++p) {
        const GalleryPage &page = pages[p - 1];
        wait.setText(QStringLiteral("Generate: ") + page.name);
        write(thumbPagePath(page.name), thumbPageText(pages, p));
        for (int k = 1; k <= int(page.images.size()); ++k) {
            const QString &name = page.images[k - 1].fullPage;
            if (name.isEmpty())
                continue;
            wait.setText(QStringLiteral("Generate: ") + name);
            write(fullSizePagePath(name), fullSizePageText(pages, p, k));
        }
    }
    if (createMasterIndex()) {
        wait.setText(QStringLiteral("Generate: Master Index Page"));
        generateMasterIndexPage(pages, failures);
    }
    wait.close();
    if (launchHtml() && !pages.empty())
        go2Url(mOOwner, createMasterIndex() ? masterIndexPath() : thumbPagePath(pages.front().name));
}

QString HGallery::thumbPageText(const GalleryPages &pages, int p) const
{
    const QString &crLf = galleryCrLf();
    const GalleryPage &page = pages.at(p - 1);
    const int count = int(pages.size());
    const int n = int(page.images.size());
    const int columns = std::max(1, thColumns());

    QString s = htmlHeadTag() + htmlBodyStart(GalleryThumbPage) + htmlCreateLogo(GalleryThumbPage) + htmlSiteTitle();
    s += bHtml_Th();
    s += thumbsPageTitle(p);
    const QString bar = createLinksString(thPg2MasterIndexPage(),
                                          p > 1 ? nameLink(pages[p - 2].name) : QString(),
                                          p < count ? nameLink(pages[p].name) : QString(),
                                          p > 1 ? nameLink(pages.front().name) : QString(),
                                          p < count ? nameLink(pages.back().name) : QString(), GalleryThumbPage);
    if (linksOnTop())
        s += bar;
    s += openThumbsTable();

    const QString cellOpen = QStringLiteral("<td width=\"") + QString::number(100 / columns)
        + QStringLiteral("%\" align=\"center\" bgcolor=\"#")
        + galleryHexColor(thTableCellColor())
        + QStringLiteral("\">");
    const int rows = n / columns + (n % columns ? 1 : 0);
    for (int r = 1; r <= rows; ++r) {
        s += QStringLiteral("<tr>") + crLf;
        for (int c = 1; c <= columns; ++c) {
            s += cellOpen;
            const int k = (r - 1) * columns + c;
            if (k > n) {
                s += QStringLiteral("&nbsp;</td>");
                continue;
            }
            const GalleryImage &image = page.images[k - 1];
            if (!thPgVarsBottom())
                s += variableText(pages, p, k, GalleryThumbPage);
            // Only a link that was opened is closed.
            QString href;
            if (!image.fullPage.isEmpty())
                href = thPg2FsPg(image.fullPage);
            else if (!image.fullFile.isEmpty())
                href = thPg2FsIm(image.fullFile);
            const bool linked = !href.isEmpty();
            if (linked) {
                s += QStringLiteral("<a href=\"") + href.toHtmlEscaped() + QLatin1Char('"');
                if (newWindow())
                    s += QStringLiteral(" target=\"_blank\"");
                s += QLatin1Char('>');
            }
            s += QStringLiteral("<img src=\"") + thPg2ThIm(image.thumbFile).toHtmlEscaped() + QStringLiteral("\" width=\"")
                + image.thumbWidth + QStringLiteral("\" height=\"") + image.thumbHeight
                + QStringLiteral("\" alt = \"Click to enlarge\" border=\"0\">")
                + (linked ? QStringLiteral("</a>") : QString()) + QStringLiteral("<br>");
            if (thPgVarsBottom())
                s += variableText(pages, p, k, GalleryThumbPage);
            s += QStringLiteral("</td>") + crLf;
        }
        s += QStringLiteral("</tr>") + crLf;
    }
    s += QStringLiteral("</table>") + crLf + QStringLiteral("</div>") + crLf;
    if (!linksOnTop())
        s += bar;
    s += aHtml_Th();
    s += QStringLiteral("</body>") + crLf + QStringLiteral("</html>") + crLf;
    return s;
}

QString HGallery::fullSizePageText(const GalleryPages &pages, int p, int k) const
{
    const QString &crLf = galleryCrLf();
    const GalleryPage &page = pages.at(p - 1);
    const GalleryImage &image = page.images.at(k - 1);
    const int n = int(page.images.size());

    QString s = htmlHeadTag() + htmlBodyStart(GalleryFullSizePage) + htmlCreateLogo(GalleryFullSizePage)
        + htmlSiteTitle() + fsPageTitle();
    s += bHtml_Fs();
    // The pages of one thumbnail page's images form a sequence of their own.
    const QString bar = createLinksString(fsPg2ThPg(page.name),
                                          k > 1 ? nameLink(page.images[k - 2].fullPage) : QString(),
                                          k < n ? nameLink(page.images[k].fullPage) : QString(),
                                          k > 1 ? nameLink(page.images.front().fullPage) : QString(),
                                          k < n ? nameLink(page.images.back().fullPage) : QString(),
                                          GalleryFullSizePage);
    if (linksOnTop())
        s += bar;
    if (!fsPgVarsBottom())
        s += variableText(pages, p, k, GalleryFullSizePage);
    s += QStringLiteral("<p align=\"center\"><img src=\"") + fsPg2FsIm(image.fullFile).toHtmlEscaped()
        + QStringLiteral("\" width=\"") + image.fullWidth + QStringLiteral("\" height=\"") + image.fullHeight
        + QStringLiteral("\" alt=\"\"></p>");
    if (fsPgVarsBottom())
        s += variableText(pages, p, k, GalleryFullSizePage);
    s += crLf;
    if (!linksOnTop())
        s += bar;
    s += aHtml_Fs();
    s += QStringLiteral("</body>") + crLf + QStringLiteral("</html>") + crLf;
    return s;
}

bool HGallery::write2File(const QString &file, const QString &text)
{
    if (QFileInfo::exists(file)) {
        const int mode = overwrite();
        if (mode == 2)
            return true;
        if (mode != 1
            && !confirmDelete(mOOwner, QStringLiteral("File ") + file + QStringLiteral(" exist and will be overwritten. Proceed ?")))
            return true;
    }
    if (!writeFileAtomically(file, asciiPage(text))) {
        errorMsg(mOOwner, QStringLiteral("Fail to create html file ") + file);
        return false;
    }
    return true;
}

} // namespace gb
