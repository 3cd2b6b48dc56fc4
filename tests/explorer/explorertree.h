#pragma once

#include "explorer/fileexplorer.h"

#include <gtest/gtest.h>

namespace gbtest {

// Opens an explorer's tree down to the folder (under the first drive) and selects it, as a
// user would.
inline void selectFolder(gb::FileExplorer &e, const QString &folder)
{
    gb::DirTree *tree = e.oDirTree();
    QTreeWidgetItem *item = tree->topLevelItem(0)->child(0);
    tree->mouseDClick(item);
    for (const QString &part : folder.split('/', Qt::SkipEmptyParts)) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < item->childCount(); ++i)
            if (item->child(i)->text(0) == part)
                next = item->child(i);
        ASSERT_NE(next, nullptr) << part.toStdString();
        item = next;
        tree->mouseDClick(item);
    }
    tree->setCurrentItem(item);
}

} // namespace gbtest
