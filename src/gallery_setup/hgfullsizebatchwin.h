#pragma once

#include "batch/commandscriptwin.h"

namespace gb {

// Page 8, "08/15 - Full Size - Image Batch Processing": the script that makes each full-size
// image from its source image.
class HgFullSizeBatchWin : public CommandScriptWin
{
    Q_OBJECT
public:
    explicit HgFullSizeBatchWin(QWidget *owner = nullptr, int controlId = 121);
};

} // namespace gb
