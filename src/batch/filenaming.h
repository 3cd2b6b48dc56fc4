#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace gb {

// How a generator (batch job, contact sheets, web gallery) names its output files. The
// codes are stored in saved settings.
enum FileNaming : int {
    NamingSameName = 1,         // the source's file name unchanged
    NamingNamePlusText = 2,     // the source's base name, then a text, then its extension
    NamingNumberPlusSuffix = 3, // the number, then a suffix text, then the extension
    NamingPrefixPlusNumber = 4, // a prefix text, then the number, then the extension
};

// What a generator does when an output file exists already. Stored in saved settings.
enum OverwriteMode : int {
    OverwriteAlways = 1, // replace it without asking
    OverwriteNever = 2,  // keep it and skip the output
    OverwriteAsk = 3,    // ask for each such file; Yes replaces, No skips
};

// The parts of a path's last component: the base name and the extension after its last
// ".". A dot in a folder name is never taken for an extension; a name without a dot has
// an empty extension and hasExtension false.
struct FileNameParts {
    QString fileName;
    QString baseName;
    QString extension;
    bool hasExtension = false;
};
FileNameParts splitFileName(const QString &path);

// The number text of the file at 1-based position index of a run that numbers from start:
// start + index - 1 in decimal, with leading zeros up to length characters (length 0 or
// less adds none; a longer number is never cut). 998 from position 5 at length 2 is "1002".
// A length over kMaxNumberTextLength pads to that length.
constexpr int kMaxNumberTextLength = 255;
QString numberText(int start, int index, int length);

// The output file name for a source under a FileNaming code, before the output format
// settles the extension. fileName is the source's name without folder; number is the
// position's numberText(); text is the appended text (code 2), suffix and prefix those of
// codes 3 and 4. Codes outside 1..4 act as 1. The source's extension keeps its case, and
// a source without an extension gets no trailing ".".
QString applyFileNaming(int naming, const QString &fileName, const QString &number, const QString &text,
                        const QString &suffix, const QString &prefix);

// The naming text a FileNaming code puts into every output name: text for code 2, suffix
// for 3, prefix for 4; "" for code 1 (and codes outside 1..4).
QString namingTextInUse(int naming, const QString &text, const QString &suffix, const QString &prefix);

// Whether an output may be written at path under an OverwriteMode: always when no file is
// there; for an existing file, mode 2 refuses, mode 3 asks the user "File: " + path +
// " exist and will be overwritten" (Yes/No, over owner) and follows the answer, and every
// other mode allows it.
bool mayOverwrite(int mode, QWidget *owner, const QString &path);

// Checks a run's planned outputs before anything is written: outputs[i] is the file made
// from sources[i], "" for none. Gives "" when no output would replace one of the sources
// and no two outputs share a path; otherwise the sentence that names the first clash.
QString findOutputClash(const QStringList &sources, const QStringList &outputs);

} // namespace gb
