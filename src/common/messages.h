#pragma once

#include <QString>

class QWidget;

namespace gb {

// The program's message boxes. Each takes the owner window first (null for none) and the
// text second, is modal, and returns when the user closed it. They go through the UI seam.

// The error box (error icon, the "Error" caption).
void errorMsg(QWidget *owner, const QString &text);
// "Warning" box with the information icon.
void warningMsg(QWidget *owner, const QString &text);
// "Info" box with the information icon.
void infoMessage(QWidget *owner, const QString &text);
// "Info" box with the stop icon, used for failed file operations.
void errMessage(QWidget *owner, const QString &text);
// Every yes/no question of the program: "Warning!" box with Yes and No and the exclamation
// icon. True only when the user answers Yes.
bool confirmDelete(QWidget *owner, const QString &text);

// A message's text as a box shows it. The program's texts break their lines with CR LF, LF CR
// or a lone LF or CR; a label shows each CR and each LF as a break of its own, so a pair would
// leave a blank line. Each pair (or lone character) becomes one LF; two pairs in a row stay
// two breaks, a blank line meant as one. Every message box passes its text through here.
QString boxText(const QString &text);

// Copies a file, replacing an existing target. The target is written beside itself first and
// renamed over the old one only when the copy is complete, so a failed copy leaves the old
// target as it was. Copying a file onto itself fails (it would destroy it). Shows nothing:
// false on any failure, with the reason in *error when given.
bool safeCopy(const QString &source, const QString &target, QString *error = nullptr);

// Opens an address (a web address or a local file path) in the default web browser and
// does not wait for it. Shows "Default internet browser not found!" when the system has no
// browser, and "Web page not opened - URL failed" when it could not be started or its start
// ended in failure (that box may come later, from the event loop).
void go2Url(QWidget *owner, const QString &address);

} // namespace gb
