#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace gb {

// The program's own open and save dialogs for single files, through the UI seam.

// File-type codes of getOpenFileName().
enum OpenFileKind : int {
    OpenImageFiles = 1,    // the ten readable image types, "*.jpg" selected
    OpenCatalogFiles = 2,  // "*.dbf"
    OpenImageLists = 3,    // "*.ifl"
    OpenCommentsFiles = 4, // "*.icf"
};

// The filters of a file-type code, in the dialog's order ("Windows Bitmap (*.bmp)", ...),
// and in *selected the index of the one shown first. Any other code gives no filter.
QStringList openFileFilters(int code, int *selected);

// Asks for one existing file with the filters of the code; the caption is "Select File"
// when empty. The chosen full path, or an empty text when cancelled.
QString getOpenFileName(QWidget *owner, const QString &caption, int code);

// Asks where to write an image list, starting at "Untitled.ifl" (caption "Save File" when
// empty); the dialog itself asks before replacing a file. A name whose last path component
// has no "." gets ".ifl" added. An empty text when cancelled.
QString getSaveFileName(QWidget *owner, const QString &caption);

// The same for a comments file: "Untitled.icf", ".icf" added.
QString getSaveCommentsFileName(QWidget *owner, const QString &caption);

// getOpenFileName() with the image types, for the image pickers.
QString openImageDialog(QWidget *owner, const QString &caption);

} // namespace gb
