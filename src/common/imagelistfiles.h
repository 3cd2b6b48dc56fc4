#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace gb {

// Image lists (".ifl": one full path per line) and image comments files (".icf": a header
// line, then per image its file, its title, its comment lines and "</eor>"). Both are UTF-8
// text with every line ended by CR LF. Each function asks for the file itself, shows its own
// error box and returns an empty or false result on failure, so callers only test the
// result. Files are written beside the target and renamed over it only when complete.

// One entry of a comments file. file and title are single lines; the comment may hold
// line breaks (CR LF) but no line reading "</eor>".
struct CommentEntry {
    QString file;
    QString title;
    QString comment;
    bool operator==(const CommentEntry &) const = default;
};

// The first line of every comments file.
inline constexpr char kCommentsFileHeader[] = "Glimmerbox Ver. 2.1 Image Comments File";

// Asks for a file name ("Save Image List ...") and writes the paths, each followed by CR LF.
// An empty list is not written and gives true without asking. False when cancelled or when
// the file could not be written ("Unable to create file: " + path, or "An error occured,
// during file saving. ", each followed by a line break and the system's text).
bool saveImageList(QWidget *owner, const QStringList &paths);

// Asks for an image list ("Select an Image File List") and returns its lines in order,
// empty lines included; nothing is checked for existence. Empty when cancelled or when the
// file does not open (no message). Lines may end in CR LF, LF or a lone CR.
QStringList getImageList(QWidget *owner);

// Asks for a file name ("Save Image Comments File ...") and writes the header and the
// entries. Empty entries are not written and give true without asking. Failures as
// saveImageList().
bool saveComments(QWidget *owner, const std::vector<CommentEntry> &entries);

// Asks for a comments file ("Select an Image Comments File") and reads its entries in file
// order. A file that is unreadable, empty or does not start with the header line gives the
// box "Unrecognized Comments File Format." and no entries. A file that ends inside an
// entry gives that entry with its missing fields empty.
std::vector<CommentEntry> readCommentsFile(QWidget *owner);

// The reading and writing behind the four functions, on a path (no dialogs, no boxes).
QByteArray encodeImageList(const QStringList &paths);
QStringList decodeImageList(const QByteArray &bytes);
QByteArray encodeComments(const std::vector<CommentEntry> &entries);
// False when the text does not start with the header line.
bool decodeComments(const QByteArray &bytes, std::vector<CommentEntry> &entries);

} // namespace gb
