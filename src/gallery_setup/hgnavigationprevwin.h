#pragma once

#include "gallery_setup/hgnavigationwin.h"

namespace gb {

// "12/15 - Navigation - Links for Previous/First".
class HgNavigationPrevWin : public HgNavigationWin
{
    Q_OBJECT
public:
    explicit HgNavigationPrevWin(QWidget *owner = nullptr, int controlId = 125);
};

} // namespace gb
