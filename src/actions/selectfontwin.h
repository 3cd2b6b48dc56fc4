#pragma once

#include "actions/fontdata.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace gb {

// The modal font picker: face, size, style, underline and colour of a FontData. Sizes are
// either the seven HTML font sizes or the point sizes of the chosen face. Made with the
// font to edit (nothing starts from the default FontData) and the size mode; the caller
// sets the caption, runs exec() and reads fontData() when it returned 1 (Ok). Cancel ends
// with -1, the close box with 0.
class SelectFontWin : public QDialog
{
    Q_OBJECT
public:
    SelectFontWin(QWidget *owner, const std::optional<FontData> &font, bool htmlSizes);

    // The font as the controls held it when Ok was pressed (the colour last chosen).
    FontData fontData() const { return mFont; }

    QComboBox *fontNameBox() const { return mFontName; }
    QComboBox *fontSizeBox() const { return mFontSize; }
    QComboBox *fontStyleBox() const { return mFontStyle; }
    QCheckBox *underlineBox() const { return mUnderline; }
    QLabel *textColorSample() const { return mTextColor; }
    QPushButton *changeColorButton() const { return mChangeColor; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

private:
    void postInit(const std::optional<FontData> &font);
    void fillSizes(const QString &face);
    void listBoxSelect();
    void pbChangeColor();
    void pbOk();
    void pbCancel();

    bool mHtmlSizes;
    FontData mFont;
    QComboBox *mFontName;
    QComboBox *mFontSize;
    QComboBox *mFontStyle;
    QCheckBox *mUnderline;
    QLabel *mTextColor;
    QPushButton *mChangeColor;
    QPushButton *mOk;
    QPushButton *mCancel;
};

// Shows the font picker with the caption, preset from the font (nothing: the default),
// with HTML sizes when htmlSizes is true (the default) and point sizes otherwise. The
// chosen font after Ok; nothing after Cancel or the close box. The caller's font is never
// changed.
std::optional<FontData> changeFont(QWidget *owner, const std::optional<FontData> &font, const QString &caption,
                                   bool htmlSizes = true);

// changeFont() with point sizes.
std::optional<FontData> changeFontA(QWidget *owner, const std::optional<FontData> &font, const QString &caption);

} // namespace gb
