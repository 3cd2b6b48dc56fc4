#pragma once

#include <QMdiArea>

namespace gb {

// The MDI client area of the main window, painted with the program's background: rows that
// fall from cyan at the top to black at the bottom, and a caption centred on one line in a
// 40-point bold italic serif, orange over a black shadow. Nothing is drawn until a caption
// was set (withGradientFill()).
class MdiBackground : public QMdiArea
{
    Q_OBJECT

public:
    explicit MdiBackground(QWidget *parent = nullptr);

    // Installs the painter with the caption and repaints.
    void withGradientFill(const QString &caption);
    QString caption() const { return mCaption; }
    bool gradientOn() const { return mMode == 1; }

    // The colour of row i (1-based) of a client area n rows high.
    static QColor gradientRow(int i, int n);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString mCaption;
    int mMode = 0;
};

} // namespace gb
