#pragma once

#include "gallery_setup/hgnavigationwin.h"

namespace gb {

// "11/15 - Navigation - Links for Home/Up".
class HgNavigationUpWin : public HgNavigationWin
{
    Q_OBJECT
public:
    explicit HgNavigationUpWin(QWidget *owner = nullptr, int controlId = 124);
};

} // namespace gb
