#pragma once

#include "common/linepromptwin.h"

namespace gb {

// The one-line prompt, captioned "Enter new keyword ..." (callers may set another caption
// before showing it). Ok accepts the text without leading and trailing blanks and ends with
// 1, but only when something is left; an empty or all-blank text keeps the prompt open
// without a message. Cancel ends with -1.
class NewKeywordWin : public LinePromptWin
{
    Q_OBJECT
public:
    explicit NewKeywordWin(QWidget *owner = nullptr);

    // The accepted text; a null text until Ok was pressed.
    QString keyword() const { return answer(); }
    QLineEdit *keyEdit() const { return edit(); }
};

} // namespace gb
