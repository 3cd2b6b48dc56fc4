#include "app/menudefs.h"

#include <Qt>

namespace gb {

namespace {

using K = MenuRow;

MenuRow pop(int depth, int id, const char *caption)
{
    return {K::Popup, depth, id, nullptr, caption};
}
MenuRow item(int depth, int id, const char *command, const char *caption, const char *help = nullptr)
{
    return {K::Item, depth, id, command, caption, help};
}
MenuRow sep(int depth)
{
    return {K::Separator, depth, 0, nullptr, nullptr};
}

constexpr int Alt = Qt::ALT;
constexpr int Ctrl = Qt::CTRL;
constexpr int Shift = Qt::SHIFT;

} // namespace

const MenuDef &emptyShellMenu()
{
    static const MenuDef def{
        "EmptyShellMenu",
        {
            pop(0, 14999, "&Actions"),
            item(1, 15000, "HTMLCREATIONS", "Compose HTML Image Gallery\tAlt+1"),
            item(1, 15001, "BATCHPROCESSING", "Batch Image &Processing\tAlt+2"),
            item(1, 15002, "IMAGECOMPOSER", "Generate Contact Sheets\tAlt+3"),
            sep(1),
            pop(1, 15004, "&Image Catalogs"),
            item(2, 15005, "OPENARCHIVE", "&Open image catalog\tAlt+4"),
            item(2, 15006, "NEWARCHIVE", "&New image catalog"),
            sep(2),
            item(2, 15008, "COMPACTARCHIVE", "&Compact an image catalog"),
            item(1, 15009, "BROWSEIMAGES", "Image Explorer\tAlt+5"),
            sep(1),
            item(1, 15011, "IMAGESPLIT", "Split an image\tAlt+6"),
            item(1, 15012, "RENAMEFILES", "Rename images\tAlt+7"),
            sep(1),
            item(1, 15014, "PRINTIMAGEGALLERY", "&Print Images\tAlt+8"),
            sep(1),
            item(1, 15016, "EXITAPPLICATION", "&Exit\tAlt+X"),
            pop(0, 15017, "&Window"),
            item(1, 15018, "ARRANGEHORIZONTAL", "&Arrange"),
            item(1, 15019, "WINDOWCASCADE", "&Cascade"),
            item(1, 15020, "WINDOWTILE", "&Tile"),
            sep(1),
            item(1, 15022, "CLOSEALL", "&Close All"),
            pop(0, 15023, "&Help"),
            item(1, 15024, "HELPINDEX", "&Index\tF1"),
            sep(1),
            item(1, 15029, "KVTWEB", "Visit our &WEB site"),
            item(1, 15030, "CONTACTKVT", "&Contact Program Developers"),
            sep(1),
            item(1, 15032, "HELPABOUT", "&About Application"),
        },
        1,
        "_MAINRIBBON",
        {
            {1, 15000, "Create HTML pages with image/photo gallery"},
            {2, 15001, "Batch image processing"},
            {3, 15002, "Generate contact sheets"},
            {4, 15005, "Open an image catalog"},
            {5, 15009, "Image explorer"},
            {6, 15011, "Split an image for WEB publishing"},
            {7, 15012, "Rename a group of images"},
            {8, 15014, "Print a group of images"},
            {0, 0, nullptr},
            {9, 15024, "Help"},
        },
        {
            {15000, Alt | Qt::Key_1},
            {15001, Alt | Qt::Key_2},
            {15002, Alt | Qt::Key_3},
            {15005, Alt | Qt::Key_4},
            {15009, Alt | Qt::Key_5},
            {15011, Alt | Qt::Key_6},
            {15012, Alt | Qt::Key_7},
            {15014, Alt | Qt::Key_8},
            {15016, Alt | Qt::Key_X},
            {15024, Qt::Key_F1},
        },
    };
    return def;
}

const MenuDef &explorerMenu()
{
    static const MenuDef def{
        "ExplorerMenu",
        {
            pop(0, 15147, "&File"),
            item(1, 15148, "CLOSEEXPLORER", "Close &Explorer"),
            sep(1),
            item(1, 15150, "COPYFILE", "&Copy\tF2", "Copy_files"),
            item(1, 15151, "MOVEFILE", "&Move\tShift+F2"),
            item(1, 15152, "RENAMEFILE", "&Rename\tCtrl+F2"),
            item(1, 15153, "SAVEASFILE", "&Save As\tCtrl+S"),
            item(1, 15154, "FILEPROPERTIES", "Proper&ties\tCtrl+P"),
            sep(1),
            item(1, 15156, "REMOVEFILE", "&Remove\tNum Del"),
            sep(1),
            item(1, 15158, "PREVIEWFILES", "&Print/Preview Thumbnails\tF7"),
            item(1, 15159, "PREVIEWORIGINAL", "Previ&ew Original Image"),
            item(1, 15160, "PRINTORIGINAL", "Print &Original Image"),
            item(1, 15161, "PAGESETUP", "Page &Setup"),
            sep(1),
            item(1, 15163, "FINDIMAGE", "&Find\tF6"),
            item(1, 15164, "SLIDESHOW", "S&lide Show"),
            sep(1),
            item(1, 15166, "EXITAPPLICATION", "E&xit Application"),
            pop(0, 15167, "&Image"),
            item(1, 15168, "EDITIMAGE", "&View"),
            item(1, 15169, "BATCHEDIT", "Launch &Batch Editor"),
            item(1, 15170, "HTMLGENERATE", "Launch &HTML pages Generator"),
            sep(1),
            item(1, 15172, "COPYIMAGE2CLIPBOARD", "&Copy Image to Clipboard"),
            item(1, 15173, "COPYTHUMBNAIL2CLIPBOARD", "Copy &Thumbnail to Clipboard"),
            sep(1),
            item(1, 15175, "CREATECONTACTSHEET", "Create Contact &Sheet"),
            item(1, 15176, "SPLITIMAGE", "&Split Image"),
            sep(1),
            item(1, 15178, "SELECTALL", "Select &All\tCtrl+A"),
            item(1, 15179, "INVERTSELECTION", "&Invert Selection"),
            item(1, 15180, "UNSELECTALL", "&Unselect All"),
            pop(0, 15181, "F&olders"),
            item(1, 15182, "NEWFOLDER", "&New"),
            item(1, 15183, "RENAMEFOLDER", "R&ename"),
            sep(1),
            item(1, 15185, "REFRESHFOLDERS", "Re&fresh"),
            pop(0, 15186, "&View"),
            pop(1, 15187, "Thumbnails &Size"),
            item(2, 15188, "SMALLTHUMBNAILS", "&Small (50 x 50)"),
            item(2, 15189, "NORMALTHUMBNAILS", "&Normal (100 x 100)"),
            item(2, 15190, "LARGETHUMBNAILS", "&Large (150 x 150)"),
            item(2, 15191, "USERDEFINEDTHUMBNAILS", "&User Defined"),
            item(1, 15192, "THUMBNAILSSPACING", "Thumbnails S&pacing"),
            pop(1, 15193, "Thumbnails &Arrangement"),
            item(2, 15194, "ARRANGEBYNAME", "By &Name"),
            item(2, 15195, "ARRANGEBYEXTENSION", "By &Extension"),
            item(2, 15196, "ARRANGEBYSIZE", "By &Size"),
            item(2, 15197, "ARRANGEBYDATE", "By &Date"),
            sep(2),
            item(2, 15199, "ASCENDINGORDER", "Ascending"),
            item(2, 15200, "DESCENDINGORDER", "Descending"),
            item(1, 15201, "THUMBNAILSFILTER", "Thumbnails &Filter"),
            item(1, 15202, "REFRESHTHUMBNAILS", "&Refresh Thumbnails"),
            sep(1),
            item(1, 15204, "PREVIOUSPAGE", "&Previous Page\tPage Up"),
            item(1, 15205, "NEXTPAGE", "&Next Page\tPage Down"),
            sep(1),
            item(1, 15207, "FULLSCREEN", "&Full Screen View"),
            pop(0, 15208, "&Window"),
            item(1, 15209, "ARRANGEHORIZONTAL", "&Arrange"),
            item(1, 15210, "WINDOWCASCADE", "&Cascade"),
            item(1, 15211, "WINDOWTILE", "&Tile"),
            sep(1),
            item(1, 15213, "CLOSEALL", "&Close All"),
            pop(0, 15214, "&Help"),
            item(1, 15215, "HELPINDEX", "&Index\tF1"),
            sep(1),
            item(1, 15220, "KVTWEB", "Visit our &WEB site"),
            item(1, 15221, "CONTACTKVT", "&Contact Program Developers"),
            sep(1),
            item(1, 15223, "HELPABOUT", "&About Application"),
        },
        4,
        "EXRIBBON",
        {
            {1, 15148, "Close Image Explorer"},
            {3, 15150, "Copy Selected File(s)"},
            {4, 15151, "Move Selected File(s)"},
            {2, 15153, "Save Selected File(s) as ..."},
            {6, 15154, "File Properties"},
            {0, 0, nullptr},
            {5, 15156, "Remove Selected File(s)"},
            {0, 0, nullptr},
            {9, 15168, "View Image"},
            {0, 0, nullptr},
            {8, 15158, "Print/Preview Thumbnails"},
            {10, 15164, "Slide Show Selected Image(s)"},
            {0, 0, nullptr},
            {0, 0, nullptr},
            {11, 15163, "Find Image File"},
            {12, 15201, "Apply/Remove Filter"},
            {13, 15207, "Show Selected Image in Full Screen Mode"},
        },
        {
            {15150, Qt::Key_F2},
            {15151, Shift | Qt::Key_F2},
            {15152, Ctrl | Qt::Key_F2},
            {15153, Ctrl | Qt::Key_S},
            {15154, Ctrl | Qt::Key_P},
            // The keypad's decimal key: Delete with Num Lock off, the point with it on.
            {15156, Qt::KeypadModifier | Qt::Key_Delete, Qt::KeypadModifier | Qt::Key_Period},
            {15158, Qt::Key_F7},
            {15163, Qt::Key_F6},
            {15178, Ctrl | Qt::Key_A},
            {15204, Qt::Key_PageUp},
            {15205, Qt::Key_PageDown},
            {15215, Qt::Key_F1},
        },
    };
    return def;
}

const MenuDef &archivesMenu()
{
    static const MenuDef def{
        "ArchivesMenu",
        {
            pop(0, 15403, "&File"),
            item(1, 15404, "CLOSEARCHIVE", "Close &Catalog"),
            sep(1),
            item(1, 15406, "PAGESETUP", "Page &Setup"),
            sep(1),
            item(1, 15408, "EXITAPPLICATION", "E&xit Application\tAlt+X"),
            pop(0, 15409, "&Thumbnails"),
            item(1, 15410, "ADDGROUPOFIMAGES", "&Add images to catalog"),
            item(1, 15411, "EDITDATA", "Image &Info"),
            item(1, 15412, "ADDKEYWORDS", "Add &keywords to selected thumbnails\tAlt+K"),
            sep(1),
            item(1, 15414, "VIEWORIGINALIMAGE", "&View original image\tAlt+V"),
            sep(1),
            item(1, 15416, "COPY2CLIPBOARD", "&Copy original image to clipboard\tCtrl+C"),
            item(1, 15417, "COPYTHUMBNAIL2CLIPBOARD", "&Copy thumbnail to clipboard\tCtrl+T"),
            sep(1),
            item(1, 15419, "REMOVETHUMBNAILS", "&Remove selected thumbnails from catalog"),
            sep(1),
            item(1, 15421, "PREVIEWTHUMBS", "Pre&view"),
            item(1, 15422, "PRINTTHUMBS", "&Print"),
            sep(1),
            item(1, 15424, "FINDIMAGE", "&Find Image\tF6"),
            sep(1),
            item(1, 15426, "SELECTALL", "Select &All\tCtrl+A"),
            item(1, 15427, "INVERTSELECTION", "&Invert Selection"),
            item(1, 15428, "UNSELECTALL", "&Unselect All"),
            pop(0, 15429, "&View"),
            item(1, 15430, "THUMBNAILSSPACING", "Thumbnails S&pacing"),
            sep(1),
            item(1, 15432, "PREVIOUSPAGE", "&Previous Page\tPage Up"),
            item(1, 15433, "NEXTPAGE", "&Next Page\tPage Down"),
            pop(0, 15434, "&Window"),
            item(1, 15435, "ARRANGEHORIZONTAL", "&Arrange"),
            item(1, 15436, "WINDOWCASCADE", "&Cascade"),
            item(1, 15437, "WINDOWTILE", "WindowTile"),
            sep(1),
            item(1, 15439, "CLOSEALL", "CloseAll"),
            pop(0, 15440, "&Help"),
            item(1, 15441, "HELPINDEX", "&Index"),
            sep(1),
            item(1, 15446, "KVTWEB", "Visit our &WEB site"),
            item(1, 15447, "CONTACTKVT", "&Contact Program Developrs"),
            sep(1),
            item(1, 15449, "HELPABOUT", "&About Application"),
        },
        3,
        "EXRIBBON",
        {
            {1, 15404, "Close catalog"},
            {0, 0, nullptr},
            {14, 15410, "Add to catalog a group of images"},
            {15, 15411, "Edit selected thumbnail info"},
            {0, 0, nullptr},
            {7, 15414, "View original image"},
            {0, 0, nullptr},
            {5, 15419, "Remove selected thumbnails from catalog"},
            {0, 0, nullptr},
            {9, 15421, "Preview selected thumbnails"},
            {8, 15422, "Print selected thumbnails"},
            {0, 0, nullptr},
            {11, 15424, "Find an image"},
        },
        {
            {15408, Alt | Qt::Key_X},
            {15412, Alt | Qt::Key_K},
            {15414, Alt | Qt::Key_V},
            {15416, Ctrl | Qt::Key_C},
            {15417, Ctrl | Qt::Key_T},
            {15424, Qt::Key_F6},
            {15426, Ctrl | Qt::Key_A},
            {15432, Qt::Key_PageUp},
            {15433, Qt::Key_PageDown},
        },
    };
    return def;
}

const MenuDef &exFilesCMenu()
{
    static const MenuDef def{
        "ExFilesCMenu",
        {
            pop(0, 15268, "&File"),
            item(1, 15269, "COPYFILE", "&Copy"),
            item(1, 15270, "MOVEFILE", "&Move"),
            item(1, 15271, "RENAMEFILE", "&Rename"),
            item(1, 15272, "SAVEASFILE", "&Save As"),
            item(1, 15273, "FILEPROPERTIES", "Proper&ties"),
            sep(1),
            item(1, 15275, "REMOVEFILE", "&Remove"),
            sep(1),
            item(1, 15277, "PREVIEWFILES", "&Print /Preview Thumbnails"),
            item(1, 15278, "FINDIMAGE", "&Find"),
            item(1, 15279, "SLIDESHOW", "&Slide Show"),
            sep(0),
            item(0, 15281, "SELECTALL", "Select &All"),
            item(0, 15282, "UNSELECTALL", "&Unselect All"),
            item(0, 15283, "INVERTSELECTION", "&Invert Selection"),
            pop(0, 15284, "&Image"),
            item(1, 15285, "EDITIMAGE", "&View"),
            item(1, 15286, "BATCHEDIT", "Launch &Batch Editor"),
            item(1, 15287, "HTMLGENERATE", "Launch &HTML pages Generator"),
            sep(1),
            item(1, 15289, "COPYIMAGE2CLIPBOARD", "&Copy Image to Clipboard"),
            item(1, 15290, "COPYTHUMBNAIL2CLIPBOARD", "Copy &Thumbnail to Clipboard"),
            sep(1),
            item(1, 15292, "CREATECONTACTSHEET", "Create Contact &Sheet"),
            item(1, 15293, "SPLITIMAGE", "&Split Image"),
            sep(0),
            item(0, 15295, "FULLSCREEN", "&Full Screen"),
        },
    };
    return def;
}

const MenuDef &archiveCMenu()
{
    static const MenuDef def{
        "ArchiveCMenu",
        {
            item(0, 15481, "ADDGROUPOFIMAGES", "&Add images to catalog"),
            item(0, 15482, "EDITDATA", "Image &Info"),
            item(0, 15483, "ADDKEYWORDS", "Add &keywords to selected thumbnails"),
            sep(0),
            item(0, 15485, "VIEWORIGINALIMAGE", "&View original image"),
            sep(0),
            item(0, 15487, "COPY2CLIPBOARD", "&Copy original images to clipboard"),
            item(0, 15488, "COPYTHUMBNAIL2CLIPBOARD", "CopyThumbnails to Clipboard"),
            sep(0),
            item(0, 15490, "REMOVETHUMBNAILS", "&Remove selected thumbnails from catalog"),
            sep(0),
            item(0, 15492, "PREVIEWTHUMBS", "Pre&view"),
            item(0, 15493, "PRINTTHUMBS", "&Print"),
            sep(0),
            item(0, 15495, "FINDIMAGE", "&Find Image"),
            sep(0),
            item(0, 15497, "SELECTALL", "Select &All"),
            item(0, 15498, "INVERTSELECTION", "&Invert Selection"),
            item(0, 15499, "UNSELECTALL", "&Unselect  All"),
        },
    };
    return def;
}

const MenuDef &findImageCM()
{
    static const MenuDef def{
        "FindImageCM",
        {
            item(0, 27945, "COPYFILE", "&Copy file"),
            item(0, 27946, "MOVEFILE", "&Move file"),
            item(0, 27947, "FILEPROPERTIES", "File &Properties"),
            sep(0),
            item(0, 27949, "REMOVEFILE", "&Remove file"),
        },
    };
    return def;
}

const MenuDef &foldersMenu()
{
    static const MenuDef def{
        "FoldersMenu",
        {
            item(0, 15247, "NEWFOLDER", "&New folder"),
            item(0, 15248, "RENAMEFOLDER", "R&ename folder"),
            sep(0),
            item(0, 15250, "REFRESHFOLDERS", "Re&fresh folders"),
        },
    };
    return def;
}

const MenuDef &selectFilesCMenu()
{
    static const MenuDef def{"SelectFilesCMenu", {item(0, 32387, "VIEWIMAGE", "&View Image")}};
    return def;
}

const MenuDef &selectFilesCMenu1()
{
    static const MenuDef def{"SelectFilesCMenu1", {item(0, 32421, "VIEWIMAGE1", "&View Image")}};
    return def;
}

const MenuDef *menuDefByName(const QString &className)
{
    for (const MenuDef *def : {&emptyShellMenu(), &explorerMenu(), &archivesMenu(), &exFilesCMenu(),
                               &archiveCMenu(), &findImageCM(), &foldersMenu(), &selectFilesCMenu(),
                               &selectFilesCMenu1()}) {
        if (className.compare(QLatin1String(def->className), Qt::CaseInsensitive) == 0)
            return def;
    }
    return nullptr;
}

} // namespace gb
