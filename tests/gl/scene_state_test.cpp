#include "arena_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class SceneState : public ::testing::Test {
protected:
    static void SetUpTestSuite() { arena_ = showArena(buildResourceFolder()).release(); }
    static void TearDownTestSuite() { delete arena_; }
    void SetUp() override { arena_->makeContextCurrent(); }
    static BrellumArena* arena_;
};
BrellumArena* SceneState::arena_ = nullptr;

TEST_F(SceneState, CapabilitiesAsCreationLeavesThem) {
    struct Capability {
        GLenum cap;
        bool enabled;
        const char* name;
    };
    const Capability capabilities[] = {
        {GL_TEXTURE_2D, true, "texturing"},   {GL_DEPTH_TEST, true, "depth test"},
        {GL_LIGHTING, true, "lighting"},      {GL_LIGHT1, true, "light 1"},
        {GL_LIGHT0, false, "light 0"},        {GL_BLEND, false, "blending"},
        {GL_COLOR_MATERIAL, false, "colour tracking"}, {GL_FOG, false, "fog"},
    };
    for (const Capability& c : capabilities) {
        EXPECT_EQ(glIsEnabled(c.cap) == GL_TRUE, c.enabled) << c.name;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneState, FixedValues) {
    struct IntState {
        GLenum name;
        GLint value;
        const char* what;
    };
    const IntState states[] = {
        {GL_DEPTH_FUNC, GL_LEQUAL, "depth function"},
        {GL_SHADE_MODEL, GL_SMOOTH, "shade model"},
        {GL_MATRIX_MODE, GL_MODELVIEW, "matrix mode"},
        {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST, "perspective hint"},
        {GL_BLEND_SRC, GL_SRC_ALPHA, "blend source"},
        {GL_BLEND_DST, GL_ONE, "blend destination"},
    };
    for (const IntState& s : states) {
        GLint value = 0;
        glGetIntegerv(s.name, &value);
        EXPECT_EQ(value, s.value) << s.what;
    }
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0], 0.0f);
    EXPECT_EQ(clear[1], 0.0f);
    EXPECT_EQ(clear[2], 0.0f);
    EXPECT_EQ(clear[3], 0.5f);
    GLfloat depth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
    EXPECT_EQ(depth, 1.0f);
    GLboolean doubleBuffered = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_TRUE(doubleBuffered);
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    EXPECT_GE(depthBits, 16);
    EXPECT_NE(arena_->quadric(), nullptr);
}

TEST_F(SceneState, ProjectionIsThe80DegreePerspective) {
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    const double f = 1.0 / std::tan(40.0 * M_PI / 180.0);
    const double near = 0.1, far = 200.0;
    const double expected[16] = {f, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + near) / (near - far), -1,
                                 0, 0, 2 * far * near / (near - far), 0};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i], 1e-5) << "element " << i;
    }
}

TEST_F(SceneState, Light1SitsTwentyUnitsRightOfTheEye) {
    struct LightParameter {
        GLenum name;
        GLfloat value[4];
    };
    const LightParameter parameters[] = {
        {GL_AMBIENT, {0.5f, 0.5f, 1.0f, 1.0f}},
        {GL_DIFFUSE, {1.0f, 1.0f, 1.0f, 1.0f}},
        // Given under the identity matrix, so eye coordinates.
        {GL_POSITION, {20.0f, 0.0f, 0.0f, 1.0f}},
    };
    for (const LightParameter& p : parameters) {
        GLfloat value[4];
        glGetLightfv(GL_LIGHT1, p.name, value);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(value[i], p.value[i]) << "parameter " << p.name << " component " << i;
        }
    }
}

TEST_F(SceneState, FrameChangesNoFixedState) {
    GLfloat before[16];
    glGetFloatv(GL_PROJECTION_MATRIX, before);
    arena_->renderFrame();
    GLfloat after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(before[i], after[i]);
    }
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    // The outline leaves its green as the current colour.
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[1], 1.0f);
    EXPECT_NEAR(colour[3], 0.2f, 1e-6);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
