#include "app/tools.h"

#include "app/mainshellwindow.h"

namespace gb {

void initSharedTables()
{
}

void registerTools()
{
}

} // namespace gb
