// brellum-framebench: frames per second of the real window, phase by phase.
//
// Loads the real window from the real .ui with an 800 x 800 view, then for each case sets the
// sphere count and look and runs frames back to back for a fixed time, timing each phase. An
// empty frame (clear and swap only) on the same surface is the baseline of the same run.
#include "BrellumArena.h"
#include "arena_surface.h"
#include "app_runner.h"
#include "gl_headers.h"
#include "resource_folder.h"

#include <QApplication>
#include <QElapsedTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Seconds since this process started, from the kernel's record of its start.
double secondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t afterName = text.rfind(')');
    if (afterName == std::string::npos) {
        return -1;
    }
    // Field 22, starttime, counts clock ticks since boot; fields 3.. follow the name.
    const char* p = text.c_str() + afterName + 2;
    for (int field = 3; field < 22; ++field) {
        p = std::strchr(p, ' ') + 1;
    }
    const double started = std::strtod(p, nullptr) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - started;
}

struct Phases {
    double begin = 0, interaction = 0, drawing = 0, motion = 0, swap = 0;
    long frames = 0;
};

enum class Look { plain, textured, empty };
const char* lookName(Look look) {
    return look == Look::plain ? "plain" : look == Look::textured ? "textured" : "empty";
}

Phases runCase(BrellumArena& arena, double seconds, Look look) {
    Phases phases;
    const Clock::time_point start = Clock::now();
    while (secondsSince(start) < seconds) {
        Clock::time_point t = Clock::now();
        auto lap = [&t](double& into) {
            const Clock::time_point now = Clock::now();
            into += std::chrono::duration<double>(now - t).count();
            t = now;
        };
        if (look == Look::empty) {
            arena.makeContextCurrent();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            lap(phases.begin);
        } else {
            arena.beginFrame();
            lap(phases.begin);
            arena.calculateInteractiveForces();
            lap(phases.interaction);
            arena.drawSpheres();
            lap(phases.drawing);
            arena.moveSpheres();
            lap(phases.motion);
        }
        arena.flushBuffer();
        lap(phases.swap);
        ++phases.frames;
        if (phases.frames % 64 == 0) {
            QCoreApplication::processEvents();
        }
    }
    return phases;
}

void report(const Phases& p, int spheres, Look look, bool recorded, double firstFrameMs) {
    const double total = p.begin + p.interaction + p.drawing + p.motion + p.swap;
    const double frames = static_cast<double>(p.frames);
    auto ms = [frames](double phase) { return phase * 1000.0 / frames; };
    std::printf("framebench spheres=%d look=%s shapes=%s fps=%.1f frame_ms=%.3f camera_box_ms=%.3f "
                "interaction_ms=%.3f drawing_ms=%.3f motion_ms=%.3f swap_ms=%.3f "
                "first_frame_ms=%.0f\n",
                look == Look::empty ? 0 : spheres, lookName(look),
                look == Look::empty ? "none" : recorded ? "lists" : "direct",
                frames / total, ms(total), ms(p.begin),
                ms(p.interaction), ms(p.drawing), ms(p.motion), ms(p.swap), firstFrameMs);
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 2.0;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0) {
            seconds = std::strtod(argv[i + 1], nullptr);
        }
    }
    provideRuntimeFolder();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    glutInit(&argc, argv);
    QString error;
    QWidget* window = loadBrellumWindow(defaultResourceFolder(), error);
    if (window == nullptr) {
        std::fprintf(stderr, "brellum-framebench: %s\n", qPrintable(error));
        return 1;
    }
    BrellumArena* arena = arenaOf(window);
    arena->setFixedSize(800, 800);
    window->show();
    while (!arena->surface()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    arena->drawRect();
    glFinish();
    const double firstFrameMs = secondsSinceProcessStart() * 1000.0;
    const GLubyte* renderer = glGetString(GL_RENDERER);
    std::printf("# renderer: %s, view 800x800, %.1f s per case\n",
                renderer ? reinterpret_cast<const char*>(renderer) : "?", seconds);

    const struct {
        int spheres;
        Look look;
        bool recorded;
    } cases[] = {{300, Look::empty, true},     {100, Look::plain, true},
                 {100, Look::textured, true},  {300, Look::plain, true},
                 {300, Look::textured, true},  {300, Look::plain, false},
                 {300, Look::textured, false}};
    for (const auto& c : cases) {
        Simulation& sim = *arena->simulation();
        sim.numberAdjust(c.spheres);
        sim.colorMapping = c.look == Look::textured;
        arena->sphereShapes().setRecording(c.recorded);
        report(runCase(*arena, seconds, c.look), c.spheres, c.look, c.recorded, firstFrameMs);
    }
    delete window;
    return 0;
}
