#pragma once

#include <QString>

#include <cstdint>

namespace gb {

// The program's settings between runs, kept outside the settings database: one INI file
// (registryFilePath()) whose groups are the sections "Window", "Last Used", "Print Options",
// "View Options" and "General Options".
//
// Integers use 0 for "not stored": a missing or unreadable value reads 0. Yes/no values
// are stored as 2 (yes) and 1 (no). Texts read back "" when missing, unreadable, or 200
// characters and longer. Nothing is cached: every call opens the file, so a value written
// anywhere is seen by the next read. Failures show the boxes below through the UI seam
// and give the neutral value (0, "", false); nothing is thrown.

// The path every section lives under.
inline const QString gcRegKeyPath = QStringLiteral("Software\\KVT\\Glimmerbox\\1.00\\");

// Opens (creating when missing) the store for a section. False, after the box "Error
// creating - opening registry main key" with the system's text, when the file cannot be
// read or created.
bool kvtCreateRegKey(const QString &section);
QString kvtQueryRtRegString(const QString &section, const QString &name);
bool kvtSetRtRegString(const QString &section, const QString &name, const QString &text);
int32_t kvtQueryRtRegInt(const QString &section, const QString &name);
bool kvtSetRtRegInt(const QString &section, const QString &name, int32_t value);

// An integer setting with a default: the stored value, writing the table default first
// when nothing is stored. With an empty section or name, writes the default of every row
// of the table that is not stored (the start-up pass). A pair that is not in the table
// shows "Quering: <section> - <name>" and gives 0.
int32_t getIntFromReg(const QString &section, const QString &name);

struct RegIntDefault {
    const char *section;
    const char *name;
    int32_t value;
};
// The 27 integer defaults, in the order the start-up pass writes them.
const RegIntDefault *regIntDefaults(int *count);

// Yes/no values as stored.
constexpr int32_t kRegYes = 2;
constexpr int32_t kRegNo = 1;

} // namespace gb
