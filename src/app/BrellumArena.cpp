#include "BrellumArena.h"

#include "arena_surface.h"
#include "camera.h"
#include "planet_image.h"
#include "resource_folder.h"
#include "scene_fixtures.h"
#include "sphere_drawing.h"
#include "texture_upload.h"

#include <QEvent>
#include <QOpenGLContext>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

BrellumArena::BrellumArena(QWidget* parent) : BrellumArena(parent, defaultResourceFolder()) {}

BrellumArena::BrellumArena(QWidget* parent, const QString& resourceFolder)
    : QWidget(parent), resourceFolder_(resourceFolder) {
    createContext();
    if (!startupError_.isEmpty()) {
        return;
    }
    initGL();
    sim_ = std::make_unique<Simulation>();
}

BrellumArena::~BrellumArena() {
    // The GL objects are given back with the context current, before the context goes.
    if (context_ != nullptr && startupError_.isEmpty()) {
        makeContextCurrent();
        sphereShapes_.reset();
        if (quadratic_ != nullptr) {
            gluDeleteQuadric(quadratic_);
        }
        if (texture_[0] != 0) {
            glDeleteTextures(2, texture_);
        }
        context_->doneCurrent();
    }
    // The context goes before its window, so GL lets go of the window's buffers.
    delete context_;
    context_ = nullptr;
    // The pixel rows of an image that was read but never uploaded.
    for (unsigned char*& bytes : texBytes_) {
        std::free(bytes);
        bytes = nullptr;
    }
}

void BrellumArena::createContext() {
    nsglFormat_ = arenaSurfaceFormat();
    surface_ = new ArenaSurface(nsglFormat_);
    QWidget* container = QWidget::createWindowContainer(surface_, this);
    connect(surface_, &ArenaSurface::dragged, this, [this](QPointF by) {
        // Half a degree per pixel; the box turns the way the mouse drags it.
        orbit_.orbitBy(-by.x() * 0.5, by.y() * 0.5);
    });
    connect(surface_, &ArenaSurface::wheeled, this, [this](double notches) { orbit_.zoomBy(notches); });
    connect(surface_, &ArenaSurface::doubleClicked, this, [this] { orbit_.reset(); });
    container->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
    surface_->create();

    context_ = new QOpenGLContext(this);
    context_->setFormat(nsglFormat_);
    if (!context_->create()) {
        startupError_ = QStringLiteral("cannot create an OpenGL context");
        return;
    }
    if (context_->format().profile() == QSurfaceFormat::CoreProfile) {
        startupError_ = QStringLiteral("the OpenGL context has no fixed-function pipeline");
        return;
    }
    if (!context_->makeCurrent(surface_)) {
        startupError_ = QStringLiteral("cannot make the OpenGL context current");
    }
}

void BrellumArena::makeContextCurrent() {
    if (context_ != nullptr && QOpenGLContext::currentContext() != context_) {
        context_->makeCurrent(surface_);
    }
}

void BrellumArena::initGL() {
    if (!loadGLTextures()) {
        std::fputs("loadGLTextures failed. :-(\n", stderr);
    }
    render::setFixedSceneState();
    quadratic_ = render::newSphereQuadric();
    sphereShapes_ = std::make_unique<render::SphereShapes>();
}

bool BrellumArena::loadGLTextures() {
    const QString folder = resourceFolder_ + QLatin1Char('/');
    if (!loadBitmap(folder + QStringLiteral("uranus.jpg"), 0)) {
        return false;
    }
    if (!loadBitmap(folder + QStringLiteral("mars.jpg"), 1)) {
        std::free(texBytes_[0]);
        texBytes_[0] = nullptr;
        return false;
    }
    glGenTextures(2, texture_);
    for (int loop = 0; loop < 2; ++loop) {
        render::uploadTexture(texture_[loop],
                              {texFormat_[loop], static_cast<int>(texSize_[loop][0]),
                               static_cast<int>(texSize_[loop][1]), texBytesPerRow_[loop],
                               texBytes_[loop]});
        std::free(texBytes_[loop]);
        texBytes_[loop] = nullptr;
    }
    return true;
}

bool BrellumArena::loadBitmap(const QString& filename, int texIndex) {
    const QImage theImage = readPlanetImage(filename);
    if (theImage.isNull()) {
        return false;
    }
    texFormat_[texIndex] = theImage.depth() == 32 ? GL_RGBA : GL_RGB;
    texSize_[texIndex][0] = static_cast<float>(theImage.width());
    texSize_[texIndex][1] = static_cast<float>(theImage.height());
    std::free(texBytes_[texIndex]);
    texBytes_[texIndex] = bottomUpRows(theImage);
    texBytesPerRow_[texIndex] = static_cast<int>(theImage.bytesPerLine());
    return texBytes_[texIndex] != nullptr;
}

void BrellumArena::awakeFromNib() {
    if (sim_ == nullptr || renderTimer_ != nullptr) {
        return;
    }
    timeInterval_ = 0.001;
    renderTimer_ = new QTimer(this);
    renderTimer_->setTimerType(Qt::PreciseTimer);
    renderTimer_->setInterval(static_cast<int>(timeInterval_ * 1000));
    connect(renderTimer_, &QTimer::timeout, this, &BrellumArena::drawRect);
    renderTimer_->start();
}

void BrellumArena::drawRect() {
    if (sim_ == nullptr) {
        return;
    }
    renderFrame();
    flushBuffer();
    ++framesRun_;
}

void BrellumArena::renderFrame() {
    beginFrame();
    const auto interactionStart = std::chrono::steady_clock::now();
    calculateInteractiveForces();
    interactionSeconds_ +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - interactionStart).count();
    drawSpheres();
    moveSpheres();
}

void BrellumArena::beginFrame() {
    makeContextCurrent();
    followViewportSize();
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    positionCamera();
    drawOutlineBox();
}

void BrellumArena::drawSpheres() {
    for (int i = 0; i < sim_->numberOfSpheres; ++i) {
        const QVSphere& sphere = sim_->sphereArray[static_cast<std::size_t>(i)];
        glPushMatrix();
        glTranslatef(sphere.x(), sphere.y(), sphere.z());
        drawSphere(i);
        drawFields(i);
        glPopMatrix();
    }
}

void BrellumArena::moveSpheres() { sim_->moveSpheres(); }

void BrellumArena::flushBuffer() {
    // A hidden or minimised window has nothing to show the frame on.
    if (surface_->isExposed()) {
        context_->swapBuffers(surface_);
    } else {
        glFlush();
    }
}

void BrellumArena::followViewportSize() {
    // The picture fills the view at any size, in device pixels; the projection keeps its fixed
    // aspect ratio of 1.
    const qreal ratio = surface_->devicePixelRatio();
    const int width = qRound(surface_->width() * ratio);
    const int height = qRound(surface_->height() * ratio);
    if (width != viewportSize_[0] || height != viewportSize_[1]) {
        // Making the context current again has GL look up the window's new size.
        context_->makeCurrent(surface_);
        glViewport(0, 0, width, height);
        viewportSize_[0] = width;
        viewportSize_[1] = height;
    }
}

void BrellumArena::positionCamera() {
    const QVSphere& followed = sim_->followedSphere();
    const float thing[3] = {followed.x(), followed.y(), followed.z()};
    const float momentum[3] = {followed.px(), followed.py(), followed.pz()};
    const CameraPose pose =
        cameraPoseForFrame(sim_->chaseSphere, sim_->stepsToGo, thing, momentum, orbit_.homeView());
    render::lookAt(viewDirection_.lookAt(pose));
}

void BrellumArena::drawOutlineBox() { render::drawOutlineBox(); }

void BrellumArena::calculateInteractiveForces() { sim_->calculateInteractiveForces(); }

void BrellumArena::drawSphere(int sphereNumber) {
    const int charge = sim_->sphereArray[static_cast<std::size_t>(sphereNumber)].electricCharge();
    sphereShapes_->draw({sim_->colorMapping, quadratic_, texture_}, charge, sim_->sphereRadius);
}

void BrellumArena::drawFields(int sphereNumber) {
    render::drawArrow(arrowGeometry(sim_->arrowHead[sphereNumber]));
}

void BrellumArena::arrowLength(const ControlValue& sender) {
    if (sim_ != nullptr) {
        sim_->arrowLength(sender.floatValue);
    }
}

void BrellumArena::fieldAdjust(const ControlValue& sender) {
    if (sim_ != nullptr) {
        sim_->fieldAdjust(sender.floatValue);
    }
}

void BrellumArena::radiusAdjust(const ControlValue& sender) {
    if (sim_ != nullptr) {
        sim_->radiusAdjust(sender.floatValue);
    }
}

void BrellumArena::numberAdjust(const ControlValue& sender) {
    if (sim_ != nullptr) {
        sim_->numberAdjust(sender.intValue);
    }
}

void BrellumArena::toggleCameraFollow(const ControlValue& sender) {
    if (sim_ != nullptr) {
        sim_->toggleCameraFollow(sender.state);
    }
}

void BrellumArena::toggleColorMapping(const ControlValue& sender) {
    if (sim_ != nullptr) {
        sim_->toggleColorMapping(sender.state);
    }
}

void BrellumArena::resetMomenta(const ControlValue&) {
    if (sim_ != nullptr) {
        sim_->resetMomenta();
    }
}

void BrellumArena::setPaused(bool paused) {
    if (renderTimer_ == nullptr || sim_ == nullptr || paused == paused_) {
        return;
    }
    paused_ = paused;
    if (paused_) {
        renderTimer_->stop();
    } else {
        renderTimer_->start();
    }
    emit pausedChanged(paused_);
}

void BrellumArena::stepFrame() {
    if (paused_) {
        drawRect();
    }
}

QImage BrellumArena::grabPicture() {
    // What the window shows, read back from the window system: GL's front buffer is not
    // readable on every driver (Mesa's software one hands back black).
    QScreen* screen = surface_->screen();
    if (screen == nullptr || !surface_->isExposed()) {
        return {};
    }
    return screen->grabWindow(surface_->winId()).toImage().convertToFormat(QImage::Format_RGB888);
}

void BrellumArena::windowWillClose() {
    if (renderTimer_ != nullptr) {
        renderTimer_->stop();
    }
    paused_ = false;
    sim_.reset();
    closed_ = true;
}

bool BrellumArena::eventFilter(QObject* watched, QEvent* event) {
    // The arena is its window's delegate: it hears when the window is about to close.
    if (event->type() == QEvent::Close && watched == window() && event->isAccepted()) {
        windowWillClose();
    }
    return QWidget::eventFilter(watched, event);
}
