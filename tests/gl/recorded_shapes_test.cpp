// Spheres replayed from display lists must look exactly like spheres drawn afresh.
#include "arena_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<unsigned char> backBuffer() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(viewport[2]) * viewport[3] * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Renders the same frame of the same scene with the shapes recorded or drawn afresh. The box
// is lit with the normal that the previous frame's last arrow left, so the frame is rendered
// twice and the second one compared.
std::vector<unsigned char> render(BrellumArena& arena, const Simulation& scene, bool recorded) {
    arena.sphereShapes().setRecording(recorded);
    for (int pass = 0; pass < 2; ++pass) {
        *arena.simulation() = scene;
        arena.renderFrame();
    }
    return backBuffer();
}

TEST(RecordedShapes, SamePictureAsDrawingEverySphereAfresh) {
    const auto arena = showArena(buildResourceFolder(), 400, 400);
    struct Look {
        bool textured;
        float radius;
        int count;
        bool chase;
    };
    const Look looks[] = {{false, 1, 300, false}, {true, 1, 300, false}, {false, 3.5f, 120, false},
                          {true, 4.5f, 60, false}, {false, 1, 300, true},  {true, 2, 200, true}};
    for (const Look& look : looks) {
        Simulation scene = *arena->simulation();
        scene.numberAdjust(look.count);
        for (int frame = 0; frame < 30; ++frame) {
            scene.step();
        }
        scene.colorMapping = look.textured;
        scene.sphereRadius = look.radius;
        scene.chaseSphere = look.chase;
        scene.stepsToGo = look.chase ? 40 : 200;
        const std::vector<unsigned char> direct = render(*arena, scene, false);
        const std::vector<unsigned char> recorded = render(*arena, scene, true);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < direct.size(); ++i) {
            differing += direct[i] != recorded[i];
        }
        EXPECT_EQ(differing, 0u) << "textured " << look.textured << " radius " << look.radius
                                 << " chase " << look.chase;
    }
}

} // namespace
