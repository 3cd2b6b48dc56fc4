#pragma once

#include "common/linepromptwin.h"

namespace gb {

// The one-line name prompt: the question stands in the title bar, the edit holds the name.
// Ok keeps the edit text without surrounding blanks (an empty text is accepted) and ends
// with 1; Cancel ends with -1. Open it through getName().
class GetNameWin : public LinePromptWin
{
    Q_OBJECT
public:
    explicit GetNameWin(QWidget *owner = nullptr);

    void setTheName(const QString &name) { setText(name); }
    // The text kept by Ok; empty before Ok.
    QString theName() const { return answer(); }
    QLineEdit *nameEdit() const { return edit(); }
};

// Asks for a name with the caption as the question, starting from *name. On Ok *name becomes
// the trimmed entry and the result is true; otherwise *name is unchanged and the result false.
bool getName(QWidget *owner, const QString &caption, QString *name);

} // namespace gb
