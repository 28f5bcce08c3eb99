#include "arena_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Where a point seen from the home eye (100, 0, 0) lands in the viewport, in GL window
// coordinates. The perspective has an aspect ratio of 1 and an 80 degree field of view.
struct Projected {
    int x, y;
};
Projected projectFromHome(float y, float z) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double depth = 100.0;  // the point lies in the plane x = 0
    const double scale = 1.0 / std::tan(40.0 * M_PI / 180.0) / depth;
    // Looking down -x with +y up, screen right is -z.
    const double ndcX = -z * scale;
    const double ndcY = y * scale;
    return {static_cast<int>(std::lround(viewport[0] + (ndcX + 1) * viewport[2] / 2)),
            static_cast<int>(std::lround(viewport[1] + (ndcY + 1) * viewport[3] / 2))};
}

bool lit(QColor c) { return c.red() + c.green() + c.blue() > 30; }

using Picture = ShownArena;

TEST_F(Picture, ViewportFollowsTheViewInDevicePixels) {
    arena_->renderFrame();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 400);
    EXPECT_EQ(viewport[3], 400);
    arena_->resize(300, 200);
    QTest::qWait(50);
    arena_->renderFrame();
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 300);
    EXPECT_EQ(viewport[3], 200);
}

TEST_F(Picture, BlackBackgroundAndTheFarFaceOfTheOutline) {
    const float nowhere[3] = {-50, -50, 50};
    const float still[3] = {0, 0, 0};
    isolateSphere(*sim_, nowhere, still, 1);
    arena_->renderFrame();
    // The background is black, alpha or not.
    EXPECT_EQ(backBufferPixel(200, 200), QColor(0, 0, 0));
    EXPECT_EQ(backBufferPixel(5, 395), QColor(0, 0, 0));
    // The near face lies outside the view; the far face at x = -51, 151 from the eye, shows
    // as a square of half-width 51/151 of the frustum's half-height.
    const double half = 51.0 / 151.0 / std::tan(40.0 * M_PI / 180.0) * 200.0;
    const int left = static_cast<int>(std::lround(200 - half));
    const int right = static_cast<int>(std::lround(200 + half));
    auto litNear = [](int x, int y) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (lit(backBufferPixel(x + dx, y))) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(litNear(left, 230)) << "left edge near x=" << left;
    EXPECT_TRUE(litNear(right, 230)) << "right edge near x=" << right;
    EXPECT_FALSE(litNear(200, 230));
}

TEST_F(Picture, SpheresAreDrawnWhereTheyWereBeforeTheFrameMovedThem) {
    const float start[3] = {0, 30, 0};
    const float momentum[3] = {0, -60, 0};  // the frame's move takes it to y = -30
    isolateSphere(*sim_, start, momentum, 1);
    sim_->sphereRadius = 3;
    arena_->renderFrame();
    const Projected before = projectFromHome(30, 0);
    const Projected after = projectFromHome(-30, 0);
    EXPECT_TRUE(lit(backBufferPixel(before.x, before.y)));
    EXPECT_FALSE(lit(backBufferPixel(after.x, after.y)));
    EXPECT_EQ(sim_->sphereArray[0].y(), -30.0f);
    arena_->renderFrame();
    EXPECT_TRUE(lit(backBufferPixel(after.x, after.y)));
}

TEST_F(Picture, TexturedLookShowsThePlanetOfTheChargesSign) {
    PlanetFolder folder;
    folder.write("uranus.jpg", solidImage(32, 32, Qt::red));
    folder.write("mars.jpg", solidImage(32, 32, Qt::green));
    arena_ = showArena(folder.path(), 400, 400);
    sim_ = arena_->simulation();
    const float centre[3] = {0, 0, 0};
    const float still[3] = {0, 0, 0};
    for (const int charge : {1, -1}) {
        isolateSphere(*sim_, centre, still, charge);
        sim_->sphereRadius = 10;
        sim_->colorMapping = true;
        arena_->renderFrame();
        // A spot on the sphere beside the arrow, which points nowhere for a lone sphere.
        const QColor c = backBufferPixel(215, 215);
        if (charge > 0) {
            EXPECT_GT(c.red(), 3 * c.green() + 10) << "uranus on a positive sphere: " << c.name().toStdString();
        } else {
            EXPECT_GT(c.green(), 3 * c.red() + 10) << "mars on a negative sphere: " << c.name().toStdString();
        }
    }
}

TEST_F(Picture, ChasedSphereAtRestGivesAPictureNotGarbage) {
    const float centre[3] = {10, 0, 0};
    const float still[3] = {0, 0, 0};
    isolateSphere(*sim_, centre, still, 1);
    sim_->chaseSphere = true;
    sim_->stepsToGo = 0;
    arena_->renderFrame();
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    // A viewing transform keeps its rotation part a rotation: determinant 1. An eye on its
    // look-at point would collapse it.
    const double determinant = m[0] * (m[5] * m[10] - m[9] * m[6]) -
                               m[4] * (m[1] * m[10] - m[9] * m[2]) +
                               m[8] * (m[1] * m[6] - m[5] * m[2]);
    EXPECT_NEAR(determinant, 1.0, 1e-5);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
