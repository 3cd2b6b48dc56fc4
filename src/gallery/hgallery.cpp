#include "gallery/hgallery.h"

#include "common/appdirs.h"

#include <QFileInfo>

#include <cmath>

namespace gb {

namespace {

// A colour number: red + green * 256 + blue * 65536.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b)
{
    return r + g * 256 + b * 65536;
}

Value fontValue(const QString &face, int size, bool bold, bool italic, bool underline, int color)
{
    return Value(ValueArray{Value(face), Value(size), Value(bold), Value(italic), Value(underline), Value(color)});
}

// The defaults of every slot. The six navigation buttons default to image buttons when
// their picture is in the support folder.
ValueArray defaultSlots()
{
    ValueArray a(HGallery::kSlots);
    a[0] = Value(3); // 1 THFORMAT
    a[1] = Value(1); // 2 THRESIZE
    a[2] = Value(80); // 3 THWIDTH
    a[3] = Value(80); // 4 THHEIGHT
    a[4] = Value(QStringLiteral("thumbs")); // 5 THIMSUBFOLDER
    a[5] = Value(4); // 6 THIMNAMING
    a[6] = Value(QStringLiteral("Th")); // 7 THIMSTDNAME
    a[7] = Value(QStringLiteral("thumb")); // 8 THIMSUFFIX
    a[8] = Value(QStringLiteral("thumb")); // 9 THIMPREFIX
    a[9] = Value(80); // 10 THIMQUALITY
    a[10] = Value(true); // 11 THIMPROGRESSIVE
    a[11] = Value(ValueArray{}); // 12 THUMBCOMMANDS
    a[12] = Value(QStringLiteral("Gallery")); // 13 THPGTITLE
    a[13] = fontValue(QStringLiteral("Verdana"), 3, true, false, false, 0); // 14 THPGTITLEFONT
    a[14] = Value(true); // 15 THPGTITLESEQ
    a[15] = Value(4); // 16 THPGNAMING
    a[16] = Value(QStringLiteral("thumb")); // 17 THPGBASENAME
    a[17] = Value(QString()); // 18 THPGSUBFOLDER
    a[18] = Value(ValueArray{Value(1), Value(2), Value(4)}); // 19 THPGVARS
    a[19] = Value(true); // 20 THPGVARSBOTTOM
    a[20] = fontValue(QStringLiteral("Verdana"), 2, false, false, false, 0); // 21 THPGVARSFONT
    a[21] = Value(5); // 22 THROWS
    a[22] = Value(3); // 23 THCOLUMNS
    a[23] = Value(false); // 24 THSPECIFYTABLEWIDTH
    a[24] = Value(100); // 25 THTABLEWIDTH
    a[25] = Value(true); // 26 THTABLEPERCENT
    a[26] = Value(int(rgb(255, 255, 255))); // 27 THTABLEBACKCOLOR
    a[27] = Value(int(rgb(255, 255, 255))); // 28 THTABLECELLCOLOR
    a[28] = Value(int(rgb(0, 0, 0))); // 29 THTABLEBORDERCOLOR
    a[29] = Value(3); // 30 THTABLEALIGNMENT
    a[30] = Value(1); // 31 THTABLEBORDERSIZE
    a[31] = Value(2); // 32 THTABLECELLPADDING
    a[32] = Value(3); // 33 THTABLECELLSPACING
    a[33] = Value(false); // 34 THTABLEUSEBACKIMAGE
    a[34] = Value(QString()); // 35 THTABLEBACKIMAGE
    a[35] = Value(3); // 36 FSIMFORMAT
    a[36] = Value(QStringLiteral("fsimages")); // 37 FSIMSUBFOLDER
    a[37] = Value(4); // 38 FSIMNAMING
    a[38] = Value(QStringLiteral("fs")); // 39 FSIMSTDAPPENDNAME
    a[39] = Value(QStringLiteral("img")); // 40 FSIMSTDSUFFIX
    a[40] = Value(QStringLiteral("img")); // 41 FSIMSTDPREFIX
    a[41] = Value(80); // 42 FSIMQUALITY
    a[42] = Value(true); // 43 FSIMPROGRESSIVE
    a[43] = Value(true); // 44 CREATEFULLSIZEPAGES
    a[44] = Value(ValueArray{}); // 45 FSCOMMANDS
    a[45] = Value(QString()); // 46 FSPGTITLE
    a[46] = fontValue(QStringLiteral("Verdana"), 2, true, false, false, 0); // 47 FSPGTITLEFONT
    a[47] = Value(4); // 48 FSPGNAMING
    a[48] = Value(QStringLiteral("img")); // 49 FSPGBASENAME
    a[49] = Value(QString()); // 50 FSPGSUBFOLDER
    a[50] = Value(ValueArray{Value(1), Value(4)}); // 51 FSPGVARS
    a[51] = Value(true); // 52 FSPGVARSBOTTOM
    a[52] = fontValue(QStringLiteral("Verdana"), 1, false, false, false, 0); // 53 FSPGVARSFONT
    a[53] = Value(true); // 54 CREATEMASTERINDEX
    a[54] = Value(QStringLiteral("masteridx")); // 55 MASTERINDEXPAGE
    a[55] = Value(QStringLiteral("Gallery Directory")); // 56 MASTERINDEXTITLE
    a[56] = fontValue(QStringLiteral("Verdana"), 2, true, false, false, 0); // 57 MASTERINDEXTITLEFONT
    a[57] = Value(3); // 58 MASTERINDEXCOLUMNS
    a[58] = Value(true); // 59 MASTERINDEXLINKTHUMB
    a[59] = Value(false); // 60 MASTERINDEXLINKPAGE
    a[60] = Value(true); // 61 MASTERINDEXLINKTEXT
    a[61] = Value(QStringLiteral("Gallery")); // 62 MASTERINDEXSTDLINKTEXT
    a[62] = Value(QString()); // 63 SITETITLE
    a[63] = fontValue(QStringLiteral("Verdana"), 3, true, false, false, 0); // 64 SITETITLEFONT
    a[64] = Value(false); // 65 USELOGO
    a[65] = Value(QString()); // 66 LOGOIMAGE
    a[66] = Value(false); // 67 USEBACKGROUND
    a[67] = Value(QString()); // 68 BACKGROUND
    a[68] = Value(int(rgb(255, 255, 255))); // 69 BACKGROUNDCOLOR
    a[69] = Value(int(rgb(0, 0, 0))); // 70 TEXTCOLOR
    a[70] = Value(int(rgb(0, 0, 255))); // 71 LINKCOLOR
    a[71] = Value(int(rgb(128, 0, 128))); // 72 VISITEDLINKCOLOR
    a[72] = Value(int(rgb(255, 0, 0))); // 73 ACTIVELINKCOLOR
    a[73] = Value(false); // 74 SPECIFYTOPMARGIN
    a[74] = Value(0); // 75 TOPMARGIN
    a[75] = Value(false); // 76 SPECIFYLEFTMARGIN
    a[76] = Value(0); // 77 LEFTMARGIN
    a[77] = Value(true); // 78 LINKSONTOP
    a[78] = Value(false); // 79 LINK2HOME
    a[79] = Value(QStringLiteral("Home")); // 80 HOMETEXTLINK
    a[82] = Value(QStringLiteral("http://")); // 83 HOMEURL
    a[83] = Value(true); // 84 LINK2UP
    a[84] = Value(QStringLiteral("Up")); // 85 UPTEXTLINK
    a[87] = Value(true); // 88 LINK2PREV
    a[88] = Value(QStringLiteral("Previous")); // 89 PREVTEXTLINK
    a[91] = Value(true); // 92 LINK2NEXT
    a[92] = Value(QStringLiteral("Next")); // 93 NEXTTEXTLINK
    a[95] = fontValue(QStringLiteral("Verdana"), 2, false, false, false, int(rgb(0, 0, 255))); // 96 LINKFONT
    a[96] = fontValue(QStringLiteral("Verdana"), 2, false, false, false, int(rgb(0, 0, 255))); // 97 (no accessor)
    a[97] = fontValue(QStringLiteral("Verdana"), 2, false, false, false, int(rgb(0, 0, 255))); // 98 (no accessor)
    a[98] = fontValue(QStringLiteral("Verdana"), 2, false, false, false, int(rgb(0, 0, 255))); // 99 (no accessor)
    a[99] = Value(QString()); // 100 BHTML_MI
    a[100] = Value(QString()); // 101 AHTML_MI
    a[101] = Value(QString()); // 102 BHTML_TH
    a[102] = Value(QString()); // 103 AHTML_TH
    a[103] = Value(QString()); // 104 BHTML_FS
    a[104] = Value(QString()); // 105 AHTML_FS
    a[105] = Value(1); // 106 AUTONUMERICSTART
    a[106] = Value(4); // 107 NAMEPADCHARS
    a[107] = Value(false); // 108 CLEARBASEFOLDER
    a[108] = Value(1); // 109 NAMINGCASING
    a[109] = Value(QStringLiteral("auximage")); // 110 AUXSUBFOLDER
    a[110] = Value(QString()); // 111 BASEFOLDER
    a[111] = Value(3); // 112 OVERWRITE
    a[112] = Value(true); // 113 LAUNCHHTML
    a[113] = Value(false); // 114 SHOWTHUMBS
    a[114] = Value(false); // 115 NEWBROWSERWIN
    a[115] = Value(QString()); // 116 METATAGS
    a[116] = Value(QStringLiteral("htm")); // 117 HTMLEXT
    a[117] = fontValue(QStringLiteral("Verdana"), 2, false, false, false, int(rgb(0, 0, 255))); // 118 MASTERINDEXLINKFONT
    a[118] = Value(true); // 119 LINK2LAST
    a[119] = Value(QStringLiteral("Last")); // 120 LASTTEXTLINK
    a[122] = Value(true); // 123 LINK2FIRST
    a[123] = Value(QStringLiteral("First")); // 124 FIRSTTEXTLINK
    a[126] = Value(QString()); // 127 FINALFOLDER
    a[127] = Value(3); // 128 ROSAVEAS
    a[128] = Value(false); // 129 NEWWINDOW
    a[129] = Value(false); // 130 USEDEFAULTPAGEPROPERTIES

    const QString folder = supportDir();
    const struct { int flagSlot; int imageSlot; const char *file; } buttons[] = {
        {81, 82, "home.gif"}, {86, 87, "up.gif"},     {90, 91, "prev.gif"},
        {94, 95, "next.gif"}, {121, 122, "last.gif"}, {125, 126, "first.gif"},
    };
    for (const auto &b : buttons) {
        const QString path = folder + QLatin1String(b.file);
        const bool present = QFileInfo(path).isFile();
        a[b.flagSlot - 1] = Value(present);
        a[b.imageSlot - 1] = Value(present ? path : QString());
    }
    return a;
}

bool isFont(const Value &v)
{
    if (!v.isArray() || v.size() < 6)
        return false;
    return v.at(0).isString() && v.at(1).isNumber() && v.at(2).isLogic() && v.at(3).isLogic()
        && v.at(4).isLogic() && v.at(5).isNumber();
}

bool isCodeList(const Value &v)
{
    if (!v.isArray())
        return false;
    for (const Value &e : v.array())
        if (!e.isNumber())
            return false;
    return true;
}

// A script is a list of commands, each an array that starts with its action id.
bool isScript(const Value &v)
{
    if (!v.isArray())
        return false;
    for (const Value &c : v.array())
        if (!c.isArray() || c.size() < 2 || !c.at(0).isNumber())
            return false;
    return true;
}

// True when a stored value may stand in the slot whose default is `def`.
bool fitsSlot(const Value &stored, const Value &def)
{
    if (!def.isArray())
        return stored.type() == def.type();
    if (isFont(def))
        return isFont(stored);
    if (isCodeList(def) && def.size() > 0)
        return isCodeList(stored);
    return isScript(stored);
}

bool isScriptSlot(int slot)
{
    return slot == 12 || slot == 45;
}

} // namespace

const QString &galleryCrLf()
{
    static const QString crLf = QStringLiteral("\r\n");
    return crLf;
}

HGallery::HGallery(QWidget *owner)
    : mOOwner(owner)
{
    initialize();
}

HGallery::HGallery(QWidget *owner, ValueArray stored)
    : mOOwner(owner)
{
    setAData(std::move(stored));
}

HGallery &HGallery::initialize()
{
    mAData = defaultSlots();
    mAData.resize(mNSlots);
    return *this;
}

void HGallery::setAData(ValueArray stored)
{
    // Records saved before the last two settings existed hold 128 slots.
    if (stored.size() < 129) {
        stored.push_back(Value(false));
        stored.push_back(Value(false));
    }
    const ValueArray defaults = defaultSlots();
    if (stored.size() < defaults.size())
        stored.resize(defaults.size());
    for (size_t i = 0; i < defaults.size(); ++i) {
        const bool fits = isScriptSlot(int(i) + 1) ? isScript(stored[i]) : fitsSlot(stored[i], defaults[i]);
        if (!fits)
            stored[i] = defaults[i];
    }
    // Rows and columns come from three-digit fields; a stored table wider or taller would
    // write a page of millions of cells, so it falls back to the default. Zero and negative
    // values stay, for validation to report.
    for (const int slot : {22, 23})
        if (stored[slot - 1].toNumber() > 999)
            stored[slot - 1] = defaults[slot - 1];
    mAData = std::move(stored);
}

int HGallery::number(int slot) const
{
    return mAData[slot - 1].toInt();
}

bool HGallery::logic(int slot) const
{
    return mAData[slot - 1].toBool();
}

QString HGallery::text(int slot) const
{
    return mAData[slot - 1].toString();
}

uint32_t HGallery::color(int slot) const
{
    // A damaged number gives the nearest colour of the range, NaN the slot's own default.
    const double stored = mAData[slot - 1].toNumber();
    const uint32_t fallback = std::isnan(stored) ? uint32_t(defaultSlots()[size_t(slot - 1)].toInt()) : 0;
    return checkedInteger<uint32_t>(stored, fallback) & 0xFFFFFFu;
}

HGallery::FontData HGallery::font(int slot) const
{
    return FontData::fromValue(mAData[slot - 1]);
}

QList<int> HGallery::codes(int slot) const
{
    QList<int> list;
    for (const Value &e : mAData[slot - 1].array())
        list.append(e.toInt());
    return list;
}

ValueArray HGallery::script(int slot) const
{
    return mAData[slot - 1].array();
}

void HGallery::setNumber(int slot, int v)
{
    mAData[slot - 1] = Value(v);
}

void HGallery::setLogic(int slot, bool v)
{
    mAData[slot - 1] = Value(v);
}

void HGallery::setText(int slot, const QString &v)
{
    mAData[slot - 1] = Value(v);
}

void HGallery::setColor(int slot, uint32_t v)
{
    mAData[slot - 1] = Value(int(v & 0xFFFFFFu));
}

void HGallery::setFont(int slot, const FontData &v)
{
    mAData[slot - 1] = v.toValue();
}

void HGallery::setCodes(int slot, const QList<int> &v)
{
    ValueArray a;
    for (int c : v)
        a.push_back(Value(c));
    mAData[slot - 1] = Value(std::move(a));
}

void HGallery::setScript(int slot, const ValueArray &v)
{
    mAData[slot - 1] = Value(v);
}

} // namespace gb
