#pragma once

#include <QColor>
#include <QWidget>

namespace gb {

class ImageThumbsWin;

// The caption strip under an image cell: the item's caption in black on white, or white on
// dark blue when selected, the colour filling only behind the text. A left click changes the
// selection through the grid (with Control: mouseClickOnCaption, else
// mouseClickOnCaptionSingle); a right click shows the grid's file menu.
class WinCaption : public QWidget
{
    Q_OBJECT
public:
    explicit WinCaption(ImageThumbsWin *grid);

    void update(const QString &text);
    void setSelected(bool selected);

    QString captionText() const { return mCaptionText; }
    bool showSelected() const { return mShowSelected; }

    QColor selTextColor = QColor(255, 255, 255);
    QColor selBackColor = QColor(0, 0, 192);
    QColor normTextColor = QColor(0, 0, 0);
    QColor normBackColor = QColor(255, 255, 255);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ImageThumbsWin *mGrid;
    QString mCaptionText;
    bool mShowSelected = false;
};

} // namespace gb
