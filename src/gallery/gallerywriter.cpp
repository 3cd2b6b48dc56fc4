#include "gallery/hgallery.h"

#include "common/batchprogress.h"
#include "common/eventpacer.h"
#include "common/htmltext.h"
#include "common/messages.h"
#include "common/orderedwork.h"
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

// The please-wait window of the page phase, with its Abort, closed on every way out.
class PleaseWait
{
public:
    PleaseWait(QWidget *owner, const QString &text) { ui().pleaseWaitWithAbort(owner, text); }
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

// What became of a page written off the window's thread: written, kept by the "never"
// policy, failed, or waiting with its bytes for the user's answer about the file there.
struct StoredPage
{
    enum Outcome { Written, Kept, Failed, Asks };
    Outcome outcome = Kept;
    QByteArray bytes;
};

// Writes a page under the overwrite policy (mode: 1 always, 2 never, else ask) unless a
// file is there that the user must be asked about. Any thread; asks nothing.
StoredPage storePage(const QString &file, QByteArray bytes, int mode)
{
    if (QFileInfo::exists(file)) {
        if (mode == 2)
            return {StoredPage::Kept, {}};
        if (mode != 1)
            return {StoredPage::Asks, std::move(bytes)};
    }
    return {writeFileAtomically(file, bytes) ? StoredPage::Written : StoredPage::Failed, {}};
}

// On the window's thread: asks about a page that waits for an answer and writes it on Yes
// (aside, events served), and tells of a page that could not be written. False for that
// one only; a page the user keeps is no failure.
bool settlePage(QWidget *owner, const QString &file, StoredPage page)
{
    if (page.outcome == StoredPage::Asks) {
        if (!confirmDelete(owner, QStringLiteral("File ") + file + QStringLiteral(" exist and will be overwritten. Proceed ?")))
            return true;
        runAside([&] { page.outcome = writeFileAtomically(file, page.bytes) ? StoredPage::Written : StoredPage::Failed; });
    }
    if (page.outcome == StoredPage::Failed) {
        errorMsg(owner, QStringLiteral("Fail to create html file ") + file);
        return false;
    }
    return true;
}

} // namespace

void HGallery::createHtmlPages(const GalleryPages &pages, QStringList *failures)
{
    PleaseWait wait(mOOwner, QStringLiteral("Creating HTML pages..."));
    // Every page of the run in the order the please-wait window names them: each thumbnail
    // page followed by the pages of its images, the master index last.
    struct PageJob
    {
        QString path;
        QString status;
        int kind;
        int p = 0;
        int k = 0;
    };
    std::vector<PageJob> jobs;
    for (int p = 1; p <= int(pages.size()); ++p) {
        const GalleryPage &page = pages[p - 1];
        jobs.push_back({thumbPagePath(page.name), QStringLiteral("Generate: ") + page.name, GalleryThumbPage, p});
        for (int k = 1; k <= int(page.images.size()); ++k) {
            const QString &name = page.images[k - 1].fullPage;
            if (!name.isEmpty())
                jobs.push_back({fullSizePagePath(name), QStringLiteral("Generate: ") + name, GalleryFullSizePage, p, k});
        }
    }
    if (createMasterIndex())
        jobs.push_back({masterIndexPath(), QStringLiteral("Generate: Master Index Page"), GalleryMasterIndex});

    // The workers make and write the pages (a sync each); this thread asks about the pages
    // the policy asks about, tells of failures and serves events, page by page in order.
    const int mode = overwrite();
    std::vector<StoredPage> stored(jobs.size());
    OrderedWork pool(int(jobs.size()), workerThreads(), [&](int i) {
        const PageJob &job = jobs[size_t(i)];
        const QString text = job.kind == GalleryThumbPage    ? thumbPageText(pages, job.p)
                             : job.kind == GalleryFullSizePage ? fullSizePageText(pages, job.p, job.k)
                                                               : masterIndexText(pages);
        stored[size_t(i)] = storePage(job.path, asciiPage(text), mode);
    });
    for (int i = 0; i < int(jobs.size()); ++i) {
        wait.setText(jobs[size_t(i)].status);
        pool.take(i);
        // Pages made ahead are whole; the run stops before telling of them.
        if (glAbortBatch)
            return;
        if (!settlePage(mOOwner, jobs[size_t(i)].path, std::move(stored[size_t(i)])) && failures)
            failures->append(QStringLiteral("Fail to create html file ") + jobs[size_t(i)].path);
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

} // namespace gb
