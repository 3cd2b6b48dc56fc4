#include "app/tools.h"

#include "app/mainshellwindow.h"
#include "batch/batchaction.h"

namespace gb {

void initSharedTables()
{
    initializeActions();
}

void registerTools()
{
}

} // namespace gb
