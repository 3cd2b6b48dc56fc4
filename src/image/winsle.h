#pragma once

#include <QImage>
#include <QWidget>

namespace gb {

class ImageThumbsWin;
class RgbImage;

// The image cell of a thumbnail grid: a thin frame with one thumbnail centred in it. A left
// click asks the grid to open the item's file (mouseClickOnImage); a right click shows the
// grid's file menu. The cell keeps its own copy of the small picture, so the grid may free
// or replace its items at any time.
class WinSle : public QWidget
{
    Q_OBJECT
public:
    explicit WinSle(ImageThumbsWin *grid);

    // Shows a thumbnail (null: an empty frame) for the file at path; offsets are
    // (cell size - thumbnail size) / 2 and the cell repaints at once.
    void update(const RgbImage &thumb, int width, int height, const QString &path);

    QString filePath() const { return mFilePath; }
    int offsetX() const { return mOffsetX; }
    int offsetY() const { return mOffsetY; }
    bool hasThumb() const { return !mThumb.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ImageThumbsWin *mGrid;
    QImage mThumb;
    int mThumbW = 0, mThumbH = 0, mOffsetX = 0, mOffsetY = 0;
    QString mFilePath;
};

} // namespace gb
