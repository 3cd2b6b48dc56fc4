#include "image/imagetypes.h"

namespace gb {

namespace {

struct ExtensionEntry {
    const char *extension;
    int code;
};

// The writable formats, in picker order, with the extension written on output files.
const ExtensionEntry kWritable[] = {
    {"bmp", ImageTypeBmp}, {"emf", ImageTypeEmf}, {"pcx", ImageTypePcx},
    {"gif", ImageTypeGif}, {"png", ImageTypePng}, {"tif", ImageTypeTif},
    {"jpg", ImageTypeJpg}, {"tga", ImageTypeTga}, {"wmf", ImageTypeWmf},
};

// Extension keys in the order a name is tested against them.
const ExtensionEntry kKeys[] = {
    {"BMP", ImageTypeBmp}, {"GIF", ImageTypeGif}, {"JPG", ImageTypeJpg}, {"PNG", ImageTypePng},
    {"PCX", ImageTypePcx}, {"TIF", ImageTypeTif}, {"WMF", ImageTypeWmf}, {"EMF", ImageTypeEmf},
    {"TGA", ImageTypeTga}, {"PSD", ImageTypePsd},
};

} // namespace

std::vector<FileTypeEntry> fileTypes()
{
    return {
        {QStringLiteral(".bmp: Windows Bitmap"), ImageTypeBmp},
        {QStringLiteral(".emf: Windows enhaced metafile"), ImageTypeEmf},
        {QStringLiteral(".pcx: Zsoft Paintbrush"), ImageTypePcx},
        {QStringLiteral(".gif: CompuServe GIF"), ImageTypeGif},
        {QStringLiteral(".png: PiNG"), ImageTypePng},
        {QStringLiteral(".tif: Tagget Image Format"), ImageTypeTif},
        {QStringLiteral(".jpg: JPEG Compressed"), ImageTypeJpg},
        {QStringLiteral(".tga: Targa True Vision"), ImageTypeTga},
        {QStringLiteral(".wmf: Windows Metafile"), ImageTypeWmf},
    };
}

int guessFormatFromExtension(const QString &fileName)
{
    // Only the last path component counts, so a dot in a folder name is no extension.
    const QString name = fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return ImageTypeUnknown;
    const QString ext = name.mid(dot + 1).toUpper();
    for (const ExtensionEntry &k : kKeys) {
        if (ext == QLatin1String(k.extension))
            return k.code;
    }
    return ImageTypeUnknown;
}

QString returnProperExt(int code)
{
    for (const ExtensionEntry &e : kWritable) {
        if (e.code == code)
            return QString::fromLatin1(e.extension);
    }
    return QString();
}

} // namespace gb
