#include "arena_surface.h"

#include <QMouseEvent>
#include <QWheelEvent>

ArenaSurface::ArenaSurface(const QSurfaceFormat& format) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(format);
}

void ArenaSurface::mousePressEvent(QMouseEvent* event) { lastPosition_ = event->position(); }

void ArenaSurface::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        emit dragged(event->position() - lastPosition_);
    }
    lastPosition_ = event->position();
}

void ArenaSurface::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

void ArenaSurface::wheelEvent(QWheelEvent* event) {
    emit wheeled(event->angleDelta().y() / 120.0);  // one notch is 120
}

QSurfaceFormat arenaSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(32);
    format.setSwapInterval(0);
    return format;
}
