#pragma once
#include <QWindow>

// The arena's native double-buffered GL window. It draws only when the arena's timer runs a
// frame: an expose from the window system alone draws nothing.
class ArenaSurface : public QWindow {
public:
    explicit ArenaSurface(const QSurfaceFormat& format);

protected:
    void exposeEvent(QExposeEvent*) override {}
};

// The format the arena asks for: double buffer, a 32-bit depth buffer if there is one,
// fixed-function GL, no alpha (the clear colour's alpha must not show), no vsync.
QSurfaceFormat arenaSurfaceFormat();
