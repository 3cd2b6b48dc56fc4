#pragma once

#include <QCursor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

namespace gb {

// The program's pictures, each wrapped in a class named like its resource, so that a window
// sets its icon, pointer or button image by making an object:
//     setWindowIcon(HtmlIcon());   viewport()->setCursor(Pointer5());   button->setIcon(FontBm());
// The pictures live in the program's Qt resources (":/icons", ":/cursors", ":/bitmaps",
// ":/strips"), named exactly like the classes in upper case.

// A picture from the resources by name, compared without letter case ("VBack" finds VBACK);
// a null pixmap when there is none.
QPixmap resourceBitmap(const QString &name);
// The 16 x 16 images of a toolbar strip ("_MAINRIBBON", "EXRIBBON"), left to right.
QList<QPixmap> toolbarStrip(const QString &name);

#define GB_ICON_CLASS(Class, Resource)                                                                              \
    class Class : public QIcon                                                                                      \
    {                                                                                                               \
    public:                                                                                                         \
        Class() : QIcon(resourceBitmap(QStringLiteral(Resource))) {}                                                \
    };

GB_ICON_CLASS(AaProgramIcon, "AAPROGRAMICON")
GB_ICON_CLASS(ArchiveIcon, "ARCHIVEICON")
GB_ICON_CLASS(BatchEditIcon, "BATCHEDITICON")
GB_ICON_CLASS(CdIcon, "CDICON")
GB_ICON_CLASS(CompositeImageIcon, "COMPOSITEIMAGEICON")
GB_ICON_CLASS(DriveIcon, "DRIVEICON")
GB_ICON_CLASS(FixedMediaIcon, "FIXEDMEDIAICON")
GB_ICON_CLASS(FolderIcon, "FOLDERICON")
GB_ICON_CLASS(HtmlIcon, "HTMLICON")
GB_ICON_CLASS(ImageBrowserIcon, "IMAGEBROWSERICON")
GB_ICON_CLASS(MyPcIcon, "MYPCICON")
GB_ICON_CLASS(PrinterIcon, "PRINTERICON")
GB_ICON_CLASS(RemoteIcon, "REMOTEICON")
GB_ICON_CLASS(RemovableIcon, "REMOVABLEICON")
GB_ICON_CLASS(RenamerIcon, "RENAMERICON")
GB_ICON_CLASS(ViewerIcon, "VIEWERICON")
#undef GB_ICON_CLASS

// Mouse pointers: 32 x 32 with the hot spot at the top left corner.
#define GB_POINTER_CLASS(Class, Resource)                                                                           \
    class Class : public QCursor                                                                                    \
    {                                                                                                               \
    public:                                                                                                         \
        Class() : QCursor(resourceBitmap(QStringLiteral(Resource)), 0, 0) {}                                        \
    };

GB_POINTER_CLASS(Pointer1, "POINTER1")
GB_POINTER_CLASS(Pointer2, "POINTER2")
GB_POINTER_CLASS(Pointer3, "POINTER3")
GB_POINTER_CLASS(Pointer4, "POINTER4")
GB_POINTER_CLASS(Pointer5, "POINTER5")
#undef GB_POINTER_CLASS

// Button images of the dialogs; init() loads the picture again (as construction does).
#define GB_BITMAP_CLASS(Class, Resource)                                                                            \
    class Class : public QPixmap                                                                                    \
    {                                                                                                               \
    public:                                                                                                         \
        Class() { init(); }                                                                                         \
        void init() { QPixmap::operator=(resourceBitmap(QStringLiteral(Resource))); }                               \
    };

GB_BITMAP_CLASS(FindFile, "FINDFILE")
GB_BITMAP_CLASS(FontBm, "FONTBM")
GB_BITMAP_CLASS(UpArrow, "UPARROW")
GB_BITMAP_CLASS(DownArrow, "DOWNARROW")
GB_BITMAP_CLASS(RightSArrow, "RIGHTSARROW")
GB_BITMAP_CLASS(LeftSArrow, "LEFTSARROW")
GB_BITMAP_CLASS(RightDArrow, "RIGHTDARROW")
GB_BITMAP_CLASS(LeftDArrow, "LEFTDARROW")
GB_BITMAP_CLASS(Tl, "TL")
GB_BITMAP_CLASS(Tc, "TC")
GB_BITMAP_CLASS(Tr, "TR")
GB_BITMAP_CLASS(Ml, "ML")
GB_BITMAP_CLASS(Mc, "MC")
GB_BITMAP_CLASS(Mr, "MR")
GB_BITMAP_CLASS(Bl, "BL")
GB_BITMAP_CLASS(Bc, "BC")
GB_BITMAP_CLASS(Br, "BR")
GB_BITMAP_CLASS(VBack, "VBack")
GB_BITMAP_CLASS(VNext, "VNext")
GB_BITMAP_CLASS(Vws, "VWS")
GB_BITMAP_CLASS(CloseBt, "CLOSEBT")
GB_BITMAP_CLASS(SplashBmp, "SPLASH_BMP")
#undef GB_BITMAP_CLASS

} // namespace gb
