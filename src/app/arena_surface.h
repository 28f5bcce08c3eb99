#pragma once
#include <QWindow>

// The arena's native double-buffered GL window. It draws only when the arena's timer runs a
// frame: an expose from the window system alone draws nothing.
// The mouse on it orbits (drag) and zooms (wheel) the home view; a double-click asks for the
// home view back.
class ArenaSurface : public QWindow {
    Q_OBJECT

public:
    explicit ArenaSurface(const QSurfaceFormat& format);

signals:
    void dragged(QPointF byPixels);
    void wheeled(double notches);
    void doubleClicked();

protected:
    void exposeEvent(QExposeEvent*) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPointF lastPosition_;
};

// The format the arena asks for: double buffer, a 32-bit depth buffer if there is one,
// fixed-function GL, no alpha (the clear colour's alpha must not show), no vsync.
QSurfaceFormat arenaSurfaceFormat();
