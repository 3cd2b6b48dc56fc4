#pragma once

#include <QMdiArea>
#include <QPointer>

namespace gb {

// The MDI client area of the main window, painted with the program's background: rows that
// fall from cyan at the top to black at the bottom, and a caption centred on one line in a
// 40-point bold italic serif, orange over a black shadow. Nothing is drawn until a caption
// was set (withGradientFill()).
//
// While a maximised child is active, the next child activated is maximised in its place, as
// the desktop's MDI frames do, unless it cannot be maximised (a fixed-size window such as the
// viewer): that one opens over the maximised child, which stays as it is.
//
// Children that reach past the area's edges are reached through its scroll bars, shown only
// then (never while a child is maximised).
class MdiBackground : public QMdiArea
{
    Q_OBJECT

public:
    explicit MdiBackground(QWidget *parent = nullptr);
    ~MdiBackground() override;

    // Whether a child window may be maximised: it has a maximise box and a sizing border.
    static bool canMaximize(const QMdiSubWindow *sub);

    // Cascades the shown children from the bottom of the stack up: each one a caption lower
    // and to the right of the one below it, starting again at the top-left corner when the
    // steps reach a third of the area's height. Maximised children are restored first; every
    // sizable child takes the cascade size (the area less the room of the steps), fixed-size
    // ones keep theirs.
    void cascade();
    // The distance between two cascaded windows.
    int cascadeStep() const;
    // Tiles the shown children side by side; fixed-size ones keep their size at the corner
    // of their tile.
    void tile();
    // Whether a child's size may change: a fixed-size one (the viewer) is sized to its content.
    static bool isSizable(const QMdiSubWindow *sub);

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
    void subWindowWasActivated(QMdiSubWindow *sub);

    QPointer<QMdiSubWindow> mActive;
    QString mCaption;
    int mMode = 0;
};

} // namespace gb
