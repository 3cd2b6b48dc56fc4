#pragma once

#include "batch/wizardwin.h"
#include "common/newkeywordwin.h"
#include "common/settingswin.h"
#include "support/modal.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace gbtest {

// The texts of a list's rows, in order.
inline QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// The 1-based row of a list's selected item; 0 when none is selected.
inline int selectedRow(const QListWidget *list)
{
    const auto chosen = list->selectedItems();
    return chosen.isEmpty() ? 0 : list->row(chosen.first()) + 1;
}

// Save New of a wizard window, answering the description prompt with the text.
inline void saveNewAs(gb::WizardWin &win, const QString &description)
{
    whenModal([description](QWidget *w) {
        auto *prompt = qobject_cast<gb::NewKeywordWin *>(w);
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->windowTitle(), "Settings Description ...");
        prompt->keyEdit()->setText(description);
        prompt->okButton()->click();
    });
    win.saveNewButton()->click();
}

// Load of a wizard window, choosing the saved settings of that description in the picker.
inline void loadByDescription(gb::WizardWin &win, const QString &description)
{
    whenModal([description](QWidget *w) {
        auto *picker = qobject_cast<gb::SettingsWin *>(w);
        ASSERT_NE(picker, nullptr);
        const auto items = picker->settings()->findItems(description, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        picker->settings()->setCurrentItem(items[0]);
        picker->loadButton()->click();
    });
    win.loadButton()->click();
}

} // namespace gbtest
