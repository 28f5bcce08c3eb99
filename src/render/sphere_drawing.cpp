#include "sphere_drawing.h"

namespace render {

void drawSphere(const SphereLook& look, int charge, float radius) {
    const bool positive = charge > 0;
    if (look.textured) {
        glBindTexture(GL_TEXTURE_2D, look.texture[positive ? 0 : 1]);
        gluSphere(look.quadric, radius, 16, 16);
    } else if (positive) {
        glutSolidSphere(radius, 8, 8);
    } else {
        glutWireSphere(radius, 8, 8);
    }
}

namespace {

void emitFace(const float (&face)[5][3]) {
    glBegin(GL_POLYGON);
    for (const float* vertex : face) {
        glVertex3f(vertex[0], vertex[1], vertex[2]);
    }
    glEnd();
}

} // namespace

void drawArrow(const ArrowGeometry& arrow) {
    glBegin(GL_LINES);
    glVertex3f(0, 0, 0);
    glVertex3f(arrow.shaftEnd[0], arrow.shaftEnd[1], arrow.shaftEnd[2]);
    glEnd();
    if (arrow.hasHead) {
        emitFace(arrow.faceA);
        emitFace(arrow.faceB);
    }
}

} // namespace render
