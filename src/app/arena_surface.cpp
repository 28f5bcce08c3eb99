#include "arena_surface.h"

ArenaSurface::ArenaSurface(const QSurfaceFormat& format) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(format);
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
