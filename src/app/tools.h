#pragma once

namespace gb {

// Fills the process-wide tables that must exist before any tool opens (the catalog table
// structure, the batch action table, the settings database).
void initSharedTables();

// Tells the main window how to open each tool that is in the program.
void registerTools();

} // namespace gb
