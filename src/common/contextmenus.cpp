#include "common/contextmenus.h"

namespace gb {

static ContextMenuMaker &maker()
{
    static ContextMenuMaker instance;
    return instance;
}

void setContextMenuMaker(ContextMenuMaker m)
{
    maker() = std::move(m);
}

QMenu *makeContextMenu(const QString &menuClass, QWidget *target)
{
    return maker() ? maker()(menuClass, target) : nullptr;
}

} // namespace gb
