#pragma once

#include "gallery_setup/hgnavigationwin.h"

namespace gb {

// "13/15 - Navigation - Links for Next/Last".
class HgNavigationNextWin : public HgNavigationWin
{
    Q_OBJECT
public:
    explicit HgNavigationNextWin(QWidget *owner = nullptr, int controlId = 126);
};

} // namespace gb
