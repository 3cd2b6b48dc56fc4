#include "gallery/hgallery.h"

#include "batch/filenaming.h"
#include "common/eventpacer.h"
#include "common/filepaths.h"
#include "common/messages.h"
#include "common/safefile.h"
#include "gallery/galleryranges.h"
#include "gallery/galleryutil.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace gb {

namespace {

bool fileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

// A subfolder setting names one folder directly below the base folder: separators go.
QString strippedSubFolder(const QString &name)
{
    QString s = name;
    s.remove(QLatin1Char('\\'));
    s.remove(QLatin1Char('/'));
    return s;
}

// A path as the file system will resolve it, so that two spellings of one file compare
// equal: the deepest part that exists is resolved (links included), the rest appended.
QString resolvedPath(const QString &path)
{
    QString rest;
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(existing)) {
        const qsizetype cut = existing.lastIndexOf(QLatin1Char('/'));
        if (cut <= 0)
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        rest = existing.mid(cut) + rest;
        existing = existing.left(cut);
    }
    return QFileInfo(existing).canonicalFilePath() + rest;
}

} // namespace

QStringList HGallery::validate(const QStringList &sources)
{
    QStringList problems;

    // 1. The page extension gets exactly one leading ".".
    const QString ext = htmlExt().trimmed();
    if (ext.isEmpty())
        setHtmlExt(QStringLiteral(".htm"));
    else if (!ext.contains(QLatin1Char('.')))
        setHtmlExt(QLatin1Char('.') + ext);
    else if (!ext.startsWith(QLatin1Char('.')))
        setHtmlExt(QLatin1Char('.') + QString(ext).remove(QLatin1Char('.')));
    else
        setHtmlExt(ext);

    // 2. Base folder.
    setBaseFolder(baseFolder().trimmed());
    if (baseFolder().isEmpty()) {
        problems << QStringLiteral("[General] Define a base folder to place generated images and pages");
    } else {
        if (!baseFolder().endsWith(QLatin1Char('/')))
            setBaseFolder(baseFolder() + QLatin1Char('/'));
        if (!QFileInfo(baseFolder()).isDir())
            problems << QStringLiteral("[General] Base folder does not exist");
    }

    // Every number setting must be one that its page can set, section by section below: a
    // damaged record may hold any number, and one past its range would reach the run.

    // 3. The thumbnails' settings; a side that the resize mode uses must be above 0.
    const int mode = thResize();
    const SettingRange usedSide{1, kGalleryThumbSideRange.max};
    const RangedSlot thumbImages[] = {
        {1, kImageTypeRange, QStringLiteral("Thumbnail images format")},
        {2, kResizeMethodRange, QStringLiteral("Resize type")},
        {3, mode == 1 || mode == 2 || mode == 4 ? usedSide : kGalleryThumbSideRange, QStringLiteral("Thumbnail width"),
         QStringLiteral("Thumbnail width must be greater than 0")},
        {4, mode == 1 || mode == 3 || mode == 4 ? usedSide : kGalleryThumbSideRange, QStringLiteral("Thumbnail height"),
         QStringLiteral("Thumbnail height must be greater than 0")},
        {6, kFileNamingRange, QStringLiteral("Thumbnail images naming")},
        {10, kJpgQualityRange, QStringLiteral("JPG quality")},
    };
    problems << rangeProblems(mAData, thumbImages, QStringLiteral("[Thumbnails - Images] "));

    // 4. Thumbnail name.
    if (thImNaming() == 2 && thImStdName().isEmpty())
        problems << QStringLiteral("[Thumbnails - Images] Standard thumbnail name suffix is empty");

    const RangedSlot thumbPages[] = {{16, kPageNamingRange, QStringLiteral("Thumbnails pages naming")}};
    problems << rangeProblems(mAData, thumbPages, QStringLiteral("[Thumbnails - Pages] "));

    // 5, 6. Table of thumbnails.
    const RangedSlot arrangement[] = {
        {22, kTableSideRange, QStringLiteral("Number of thumbnails rows"),
         QStringLiteral("Number of thumbnails rows must be greater than 0")},
        {23, kTableSideRange, QStringLiteral("Number of thumbnails columns"),
         QStringLiteral("Number of thumbnails columns must be greater than 0")},
        {27, kColorRange, QStringLiteral("Table colour")},
        {28, kColorRange, QStringLiteral("Cell colour")},
        {29, kColorRange, QStringLiteral("Border colour")},
        {30, kTableAlignmentRange, QStringLiteral("Alignment")},
        {31, kTableCellRange, QStringLiteral("Border size")},
        {32, kTableCellRange, QStringLiteral("Cell padding")},
        {33, kTableCellRange, QStringLiteral("Cell spacing")},
    };
    problems << rangeProblems(mAData, arrangement, QStringLiteral("[Thumbnails - Arrangement] "));
    if (thTableUseBackImage() && !fileExists(thTableBackImage()))
        problems << QStringLiteral("[Thumbnails - Arrangement] Table background image ") + thTableBackImage()
                        + QStringLiteral(" does not exist");

    // 7. Full-size images and pages.
    const RangedSlot fullSize[] = {
        {36, kImageTypeRange, QStringLiteral("Full size images format")},
        {38, kFileNamingRange, QStringLiteral("Full size images naming")},
        {42, kJpgQualityRange, QStringLiteral("JPG quality")},
        {48, kPageNamingRange, QStringLiteral("Full size pages naming")},
    };
    problems << rangeProblems(mAData, fullSize, QStringLiteral("[Full Size Images & Pages] "));
    if (createFullSizePages()) {
        setFsPgBaseName(fsPgBaseName().trimmed());
        if (fsPgBaseName().isEmpty())
            problems << QStringLiteral("[Full Size Images & Pages] HTML pages base name cannot be empty");
    }

    // 8. Master index.
    if (createMasterIndex()) {
        setMasterIndexPage(masterIndexPage().trimmed());
        if (masterIndexPage().isEmpty())
            problems << QStringLiteral("[Master Index] Master index page name cannot be empty");
        const RangedSlot columns[] = {{58, kLinkColumnsRange, QStringLiteral("Number of links columns"),
                                       QStringLiteral("Number of links columns must be greater than 0")}};
        problems << rangeProblems(mAData, columns, QStringLiteral("[Master Index] "));
        if (!masterIndexLinkThumb() && !masterIndexLinkPage() && !masterIndexLinkText())
            problems << QStringLiteral("[Master Index] Define at least one link method to thumbnails pages");
    }

    // 9. Navigation links, Home, Up, Previous, Next, First, Last.
    struct Link {
        bool on;
        QString (HGallery::*text)() const;
        void (HGallery::*setText)(const QString &);
        bool withImage;
        QString image;
        const char *section;
        const char *textMessage;
    };
    const Link links[] = {
        {link2Home(), &HGallery::homeTextLink, &HGallery::setHomeTextLink, link2HomeWithImage(), homeImageLink(),
         "[Navigation - Home Page]", "Define text link for link to home page"},
        {link2Up(), &HGallery::upTextLink, &HGallery::setUpTextLink, link2UpWithImage(), upImageLink(),
         "[Navigation - Previous Level]", "Define text link for link to previous level"},
        {link2Prev(), &HGallery::prevTextLink, &HGallery::setPrevTextLink, link2PrevWithImage(), prevImageLink(),
         "[Navigation - Previous Page]", "Define text link for link to previous page"},
        {link2Next(), &HGallery::nextTextLink, &HGallery::setNextTextLink, link2NextWithImage(), nextImageLink(),
         "[Navigation - Next Page]", "Define text link for link to next page"},
        {link2First(), &HGallery::firstTextLink, &HGallery::setFirstTextLink, link2FirstWithImage(), firstImageLink(),
         "[Navigation - First Page]", "Define text link for link to first page"},
        {link2Last(), &HGallery::lastTextLink, &HGallery::setLastTextLink, link2LastWithImage(), lastImageLink(),
         "[Navigation - Last Page]", "Define text link for link tolast page"},
    };
    for (const Link &link : links) {
        if (!link.on)
            continue;
        (this->*link.setText)((this->*link.text)().trimmed());
        const QString section = QLatin1String(link.section) + QLatin1Char(' ');
        if ((this->*link.text)().isEmpty() && !link.withImage)
            problems << section + QLatin1String(link.textMessage);
        if (link.withImage && !fileExists(link.image))
            problems << section + QStringLiteral("Defined image button does not exist");
        if (link.text == &HGallery::homeTextLink) {
            setHomeUrl(homeUrl().trimmed());
            if (homeUrl().isEmpty())
                problems << QStringLiteral("[Navigation - Home Page] Define home page URL address");
        }
    }

    // 10, 11. Logo and page background.
    if (useLogo()) {
        setLogoImage(logoImage().trimmed());
        if (logoImage().isEmpty())
            problems << QStringLiteral("[Page Properties] Please define a logo image or turn logo image option to off");
        if (!fileExists(logoImage()))
            problems << QStringLiteral("[Page Properties] Defined logo image dows not exist");
    }
    if (useBackground()) {
        setBackground(background().trimmed());
        if (background().isEmpty())
            problems << QStringLiteral(
                "[Page Properties] Please define a Background  image or turn Background  image option to off");
        if (!fileExists(background()))
            problems << QStringLiteral("[Page Properties] Defined Background image dows not exist");
    }

    const RangedSlot pageProperties[] = {
        {69, kColorRange, QStringLiteral("Background colour")},
        {70, kColorRange, QStringLiteral("Text colour")},
        {71, kColorRange, QStringLiteral("Hyperlink colour")},
        {72, kColorRange, QStringLiteral("Visited link colour")},
        {73, kColorRange, QStringLiteral("Active link colour")},
        {75, kPageMarginRange, QStringLiteral("Top margin")},
        {77, kPageMarginRange, QStringLiteral("Left margin")},
    };
    problems << rangeProblems(mAData, pageProperties, QStringLiteral("[Page Properties] "));

    // 12. Page name clash.
    if (createFullSizePages() && fsPgSubFolder() == thPgSubFolder() && thPgBaseName() == fsPgBaseName())
        problems << QStringLiteral("[General] Thubmnails and full size image pages are placed in the same "
                                   "subfolder and the have the same base name");

    const RangedSlot options[] = {
        {106, kEnumStartRange, QStringLiteral("Enumeration for file/image names start")},
        {107, kEnumLengthRange, QStringLiteral("Standard length for enumeration")},
        {109, kNamingCasingRange, QStringLiteral("File/Image naming casing")},
        {112, kOverwriteRange, QStringLiteral("Overwrite option")},
    };
    problems << rangeProblems(mAData, options, QStringLiteral("[General] "));

    // A subfolder of "." or ".." would put the files into the base folder or above it.
    const std::pair<QString, const char *> subFolders[] = {
        {thImSubFolder(), "thumbnails images"},   {thPgSubFolder(), "thumbnails pages"},
        {fsImSubFolder(), "full size images"},    {fsPgSubFolder(), "full size images pages"},
        {auxSubFolder(), "auxiliary images"},
    };
    for (const auto &[name, label] : subFolders) {
        const QString stripped = strippedSubFolder(name);
        if (stripped == QLatin1String(".") || stripped == QLatin1String(".."))
            problems << QStringLiteral("[General] The %1 subfolder cannot be named \".\" or \"..\"")
                            .arg(QLatin1String(label));
    }

    // Page names and image naming texts become file names in their folders: one holding "/"
    // or ".." would write pages or images outside the base folder.
    const std::pair<QString, const char *> nameTexts[] = {
        {thPgBaseName(), "thumbnails pages base name"},
        {createFullSizePages() ? fsPgBaseName() : QString(), "full size images pages base name"},
        {createMasterIndex() ? masterIndexPage() : QString(), "master index page name"},
        {namingTextInUse(thImNaming(), thImStdName(), thImSuffix(), thImPrefix()), "thumbnails images naming text"},
        {namingTextInUse(fsImNaming(), fsImStdAppendName(), fsImStdSuffix(), fsImStdPrefix()),
         "full size images naming text"},
    };
    for (const auto &[text, label] : nameTexts) {
        if (leavesItsFolder(text))
            problems << QStringLiteral("[General] The %1 \"%2\" cannot hold \"/\" or \"..\"")
                            .arg(QLatin1String(label), text);
    }

    if (!problems.isEmpty())
        return problems;
    // Every output path is known now: refuse a run that would write one file twice or
    // write onto a source before anything is written.
    problems = outputClashes(sources);
    if (!problems.isEmpty())
        return problems;
    problems = createFolders();
    if (!problems.isEmpty())
        return problems;
    return copySupportImages();
}

QStringList HGallery::createFolders()
{
    QStringList failures;
    const std::pair<QString (HGallery::*)() const, void (HGallery::*)(const QString &)> settings[] = {
        {&HGallery::thImSubFolder, &HGallery::setThImSubFolder}, {&HGallery::thPgSubFolder, &HGallery::setThPgSubFolder},
        {&HGallery::fsImSubFolder, &HGallery::setFsImSubFolder}, {&HGallery::fsPgSubFolder, &HGallery::setFsPgSubFolder},
        {&HGallery::auxSubFolder, &HGallery::setAuxSubFolder},
    };
    const char *const messages[] = {
        "Fail to create thumbnails images directory", "Fail to create thumbnails pages directory",
        "Fail to create full size images directory", "Fail to create full size images pages directory",
        "Fail to create auxilliary images directory",
    };
    for (int i = 0; i < 5; ++i) {
        const auto [get, set] = settings[i];
        if ((this->*get)().isEmpty())
            continue;
        (this->*set)(strippedSubFolder((this->*get)()));
        const QString path = baseFolder() + (this->*get)() + QLatin1Char('/');
        if (!QFileInfo(path).isDir() && !QDir().mkpath(path))
            failures << QLatin1String(messages[i]);
    }
    return failures;
}

QStringList HGallery::copySupportImages()
{
    QStringList failures;
    const QString folder = folderPath(auxSubFolder());
    const struct { bool on; QString file; const char *what; } images[] = {
        {useLogo(), logoImage(), "logo image"},
        {useBackground(), background(), "background image"},
        {thTableUseBackImage(), thTableBackImage(), "table background image"},
        {link2HomeWithImage(), homeImageLink(), "link to home page image"},
        {link2PrevWithImage(), prevImageLink(), "link to previous page image"},
        {link2NextWithImage(), nextImageLink(), "link to next page image"},
        {link2UpWithImage(), upImageLink(), "link to previous level image"},
        {link2FirstWithImage(), firstImageLink(), "link to first page image"},
        {link2LastWithImage(), lastImageLink(), "link to last page image"},
    };
    // Each copy is made whole and synced: aside.
    runAside([&] {
        for (const auto &image : images) {
            if (!image.on)
                continue;
            const QString target = folder + galleryFileName(image.file);
            // An image already in the auxiliary folder is in place: copying it onto itself
            // would only destroy it.
            if (fileExists(image.file) && sameFile(image.file, target))
                continue;
            if (!safeCopy(image.file, target))
                failures << QStringLiteral("Fail to copy %1 to auxilliary images directory").arg(QLatin1String(image.what));
        }
    });
    return failures;
}

QStringList HGallery::outputClashes(const QStringList &sources)
{
    // Subfolder names as the folders will be made.
    setThImSubFolder(strippedSubFolder(thImSubFolder()));
    setThPgSubFolder(strippedSubFolder(thPgSubFolder()));
    setFsImSubFolder(strippedSubFolder(fsImSubFolder()));
    setFsPgSubFolder(strippedSubFolder(fsPgSubFolder()));
    setAuxSubFolder(strippedSubFolder(auxSubFolder()));

    // Page names as the pages of this run will get them.
    const QString savedExt = mCPageExt;
    mCPageExt = htmlExt();
    QStringList outputs;
    const int n = int(sources.size());
    const int pageCount = thumbPageCount(n);
    for (int p = 1; p <= pageCount; ++p)
        outputs << thumbPagePath(createThumbPageName(p));
    if (createFullSizePages())
        for (int i = 1; i <= n; ++i)
            outputs << fullSizePagePath(createFullSizePageName(i));
    if (createMasterIndex())
        outputs << masterIndexPath();
    mCPageExt = savedExt;

    // Resolving takes a few file-system calls a path, several paths a photo: aside.
    QStringList problems;
    QSet<QString> sourceSet;
    QSet<QString> seen;
    runAside([&] {
        outputs << thumbOutputPaths(sources) << fullSizeOutputPaths(sources);
        outputs.removeAll(QString());
        for (const QString &source : sources)
            sourceSet.insert(resolvedPath(source));
        for (const QString &output : std::as_const(outputs)) {
            const QString resolved = resolvedPath(output);
            if (sourceSet.contains(resolved))
                problems << QStringLiteral("[General] Generated file would replace its source image: ") + output;
            else if (seen.contains(resolved))
                problems << QStringLiteral("[General] Two generated files would have the same name: ") + output;
            seen.insert(resolved);
        }
    });
    problems.removeDuplicates();

    // Support images copied under one name from different files.
    const QString folder = folderPath(auxSubFolder());
    QHash<QString, QString> supportTargets;
    const std::pair<bool, QString> supports[] = {
        {useLogo(), logoImage()},
        {useBackground(), background()},
        {thTableUseBackImage(), thTableBackImage()},
        {link2HomeWithImage(), homeImageLink()},
        {link2PrevWithImage(), prevImageLink()},
        {link2NextWithImage(), nextImageLink()},
        {link2UpWithImage(), upImageLink()},
        {link2FirstWithImage(), firstImageLink()},
        {link2LastWithImage(), lastImageLink()},
    };
    for (const auto &[on, file] : supports) {
        if (!on || file.isEmpty())
            continue;
        const QString target = resolvedPath(folder + galleryFileName(file));
        const QString from = resolvedPath(file);
        if (sourceSet.contains(target) && target != from)
            problems << QStringLiteral("[General] A support image would replace a source image: ") + target;
        if (seen.contains(target))
            problems << QStringLiteral("[General] A support image would replace a generated file: ") + target;
        const auto it = supportTargets.constFind(target);
        if (it != supportTargets.constEnd() && *it != from)
            problems << QStringLiteral("[General] Two support images have the same name: ") + galleryFileName(file);
        supportTargets.insert(target, from);
    }
    problems.removeDuplicates();
    return problems;
}

} // namespace gb
