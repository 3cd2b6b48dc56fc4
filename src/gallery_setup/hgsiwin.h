#pragma once

#include "batch/besiwin.h"

namespace gb {

// Page 1, "01/15 - Select Source Images": the gallery's source images, picked, ordered,
// previewed and kept in image lists exactly as on the other tools' source pages. The
// selection, in its order, is what Do It generates; it is no gallery setting.
class HgSiWin : public BeSiWin
{
    Q_OBJECT
public:
    explicit HgSiWin(QWidget *owner = nullptr, int controlId = 114) : BeSiWin(owner, controlId)
    {
        setObjectName(QStringLiteral("HGSIWIN"));
    }
};

} // namespace gb
