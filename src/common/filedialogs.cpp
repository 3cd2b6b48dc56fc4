#include "common/filedialogs.h"

#include "common/uiseam.h"

namespace gb {

namespace {

QString saveName(QWidget *owner, const QString &caption, const QString &extension,
                 const QString &description)
{
    const QString chosen = ui().saveFileName(
        owner, caption.isEmpty() ? QStringLiteral("Save File") : caption,
        QStringLiteral("Untitled.") + extension,
        {description + QStringLiteral(" (*.") + extension + QLatin1Char(')')}, nullptr);
    if (chosen.isEmpty())
        return chosen;
    // Only the file's own name counts: a dot in a folder name is no extension.
    const QString name = chosen.mid(chosen.lastIndexOf(QLatin1Char('/')) + 1);
    return name.contains(QLatin1Char('.')) ? chosen : chosen + QLatin1Char('.') + extension;
}

} // namespace

QStringList openFileFilters(int code, int *selected)
{
    if (selected)
        *selected = 0;
    switch (code) {
    case OpenImageFiles:
        if (selected)
            *selected = 6;
        return {QStringLiteral("Windows Bitmap (*.bmp)"),
                QStringLiteral("Windows Enhaced Metafile (*.emf)"),
                QStringLiteral("Zsoft Paintbrush (*.pcx)"),
                QStringLiteral("CompuServe GIF (*.gif)"),
                QStringLiteral("Portable Networg Graphics (*.png)"),
                QStringLiteral("Tagget Image Format (*.tif)"),
                QStringLiteral("JPEG Compressed (*.jpg)"),
                QStringLiteral("Targa True Vision (*.tga)"),
                QStringLiteral("Windows Metafile (*.wmf)"),
                QStringLiteral("Photoshop file (*.psd)")};
    case OpenCatalogFiles: return {QStringLiteral("Image Catalog File (*.dbf)")};
    case OpenImageLists: return {QStringLiteral("Image File List (*.ifl)")};
    case OpenCommentsFiles: return {QStringLiteral("Image Comments File (*.icf)")};
    default: return {};
    }
}

QString getOpenFileName(QWidget *owner, const QString &caption, int code)
{
    int selected = 0;
    const QStringList filters = openFileFilters(code, &selected);
    const QStringList chosen = ui().openFileNames(
        owner, caption.isEmpty() ? QStringLiteral("Select File") : caption, QString(), filters,
        &selected, false);
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString getSaveFileName(QWidget *owner, const QString &caption)
{
    return saveName(owner, caption, QStringLiteral("ifl"), QStringLiteral("Image File List"));
}

QString getSaveCommentsFileName(QWidget *owner, const QString &caption)
{
    return saveName(owner, caption, QStringLiteral("icf"), QStringLiteral("Image Comments File"));
}

QString openImageDialog(QWidget *owner, const QString &caption)
{
    return getOpenFileName(owner, caption, OpenImageFiles);
}

} // namespace gb
