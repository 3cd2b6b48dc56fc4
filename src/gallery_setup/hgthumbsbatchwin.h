#pragma once

#include "batch/commandscriptwin.h"

namespace gb {

// Page 4, "04/15 - Thumbnails - Thumbs Batch Processing": the script applied to every
// thumbnail right after it is made, built and tried on a sample. Test Script applies only
// this script: the resize that makes the thumbnail is not applied to the sample.
class HgThumbsBatchWin : public CommandScriptWin
{
    Q_OBJECT
public:
    explicit HgThumbsBatchWin(QWidget *owner = nullptr, int controlId = 117);
};

} // namespace gb
