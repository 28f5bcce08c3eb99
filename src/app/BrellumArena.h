#pragma once
// The program's single view: it owns the whole simulation, its GL context and textures, runs
// one frame on every tick of a 1 ms timer, and answers the window's controls.
#include "camera_glide.h"
#include "camera_orbit.h"
#include "control_value.h"
#include "gl_headers.h"
#include "simulation.h"
#include "sphere_drawing.h"

#include <QImage>
#include <QString>
#include <QSurfaceFormat>
#include <QWidget>

#include <memory>

class ArenaSurface;
class QOpenGLContext;
class QTimer;

class BrellumArena : public QWidget {
    Q_OBJECT

public:
    // Creation: the GL context is made and made current, initGL loads the textures and sets
    // the fixed scene state, then the 100 spheres and the starting values are made.
    explicit BrellumArena(QWidget* parent = nullptr);
    BrellumArena(QWidget* parent, const QString& resourceFolder);
    ~BrellumArena() override;

    // Empty when creation went well; otherwise why the arena cannot draw (no GL context).
    const QString& startupError() const { return startupError_; }

    // Starts the repeating frame timer; called once the whole window is loaded.
    void awakeFromNib();
    // One frame: renderFrame, then the buffer swap.
    void drawRect();
    // Steps 1 to 8 of a frame: clear, camera, box, interaction, every sphere and arrow drawn
    // at its position, then every sphere moved. The picture is left in the back buffer.
    void renderFrame();
    // The phases of renderFrame, in its order.
    void beginFrame();  // clear, camera, box
    void drawSpheres(); // every sphere and its arrow, in list order, where it stands
    void moveSpheres(); // one motion step for every sphere
    // Shows the finished frame.
    void flushBuffer();
    // The window is about to close: no frame runs after this and the spheres are gone.
    void windowWillClose();

    // The operations a frame and creation are made of.
    void initGL();
    bool loadGLTextures();
    bool loadBitmap(const QString& filename, int texIndex);
    void positionCamera();
    void drawOutlineBox();
    void calculateInteractiveForces();
    void drawSphere(int sphereNumber);
    void drawFields(int sphereNumber);

    // The simulation state; null once the window has closed.
    Simulation* simulation() { return sim_.get(); }
    const Simulation* simulation() const { return sim_.get(); }
    bool isClosed() const { return closed_; }
    unsigned long long framesRun() const { return framesRun_; }
    double timeInterval() const { return timeInterval_; }
    const QTimer* renderTimer() const { return renderTimer_; }
    GLuint textureName(int slot) const { return texture_[slot]; }
    GLUquadric* quadric() const { return quadratic_; }
    // Makes the arena's context current again if something else took it over.
    void makeContextCurrent();
    ArenaSurface* surface() const { return surface_; }
    // Pausing stops the frame timer; a step runs exactly one frame, only while paused.
    void setPaused(bool paused);
    bool isPaused() const { return paused_; }
    void stepFrame();
    // Seconds spent in the interaction over all frames so far.
    double interactionSeconds() const { return interactionSeconds_; }

    // The picture the view shows now, as it was last presented.
    QImage grabPicture();

    // Orbit and zoom of the home view; a chase glides from and back to it.
    CameraOrbit& orbit() { return orbit_; }

    // The spheres' shapes, replayed from display lists unless recording is switched off.
    render::SphereShapes& sphereShapes() { return *sphereShapes_; }

    // The seven actions, with the value their control sent. Each takes effect from the next
    // frame; after the window has closed they do nothing.
    void arrowLength(const ControlValue& sender);
    void fieldAdjust(const ControlValue& sender);
    void radiusAdjust(const ControlValue& sender);
    void numberAdjust(const ControlValue& sender);
    void toggleCameraFollow(const ControlValue& sender);
    void toggleColorMapping(const ControlValue& sender);
    void resetMomenta(const ControlValue& sender);

public slots:
    // The same actions as the window's controls call them: each reads its sending control.
    void arrowLength() { arrowLength(readControl(sender())); }
    void fieldAdjust() { fieldAdjust(readControl(sender())); }
    void radiusAdjust() { radiusAdjust(readControl(sender())); }
    void numberAdjust() { numberAdjust(readControl(sender())); }
    void toggleCameraFollow() { toggleCameraFollow(readControl(sender())); }
    void toggleColorMapping() { toggleColorMapping(readControl(sender())); }
    void resetMomenta() { resetMomenta(readControl(sender())); }

    // Beyond the seven: the written home view back.
    void resetHomeView() { orbit_.reset(); }

signals:
    void pausedChanged(bool paused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createContext();
    void followViewportSize();

    QString resourceFolder_;
    QString startupError_;
    QSurfaceFormat nsglFormat_;
    ArenaSurface* surface_ = nullptr;
    QOpenGLContext* context_ = nullptr;
    QTimer* renderTimer_ = nullptr;
    double timeInterval_ = 0;

    // Each planet image between reading and upload.
    GLenum texFormat_[2] = {0, 0};
    float texSize_[2][2] = {{0, 0}, {0, 0}};
    unsigned char* texBytes_[2] = {nullptr, nullptr};
    int texBytesPerRow_[2] = {0, 0};
    GLuint texture_[2] = {0, 0};
    GLUquadric* quadratic_ = nullptr;

    std::unique_ptr<render::SphereShapes> sphereShapes_;
    std::unique_ptr<Simulation> sim_;
    ViewDirectionGuard viewDirection_;
    CameraOrbit orbit_;
    bool paused_ = false;
    double interactionSeconds_ = 0;
    int viewportSize_[2] = {-1, -1};
    unsigned long long framesRun_ = 0;
    bool closed_ = false;
};
