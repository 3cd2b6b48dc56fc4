#pragma once

#include <QString>

namespace gb {

// Where the program keeps its files.
//
// With GLIMMERBOX_HOME set, that one folder holds everything: the settings database,
// the registry file, temporary files and the support files. Otherwise the support files
// (help, navigation buttons, sample image, contact page) are read from "support/" beside
// the executable, writable files go to the user's data folder, and the registry file to
// ~/.config/KVT/Glimmerbox/1.00/. Each function creates its folder when missing and
// returns it with a trailing "/".
QString programDataDir();   // settings database "Glbox111.*", error log
QString supportDir();       // read-only files shipped with the program
QString tempDir();          // temporary files of this run
QString registryFilePath(); // the INI file behind the registry functions

} // namespace gb
