#include "common/globals.h"

namespace gb {

bool glFoldersOption = true;
QStringList gaRecentFolders;
QStringList gaOpenArchives;

} // namespace gb
