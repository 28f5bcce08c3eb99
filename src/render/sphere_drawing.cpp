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

SphereShapes::~SphereShapes() {
    if (lists_ != 0) {
        glDeleteLists(lists_, shapeCount);
    }
}

void SphereShapes::drawAfresh(Shape shape, float radius, GLUquadric* quadric) {
    switch (shape) {
    case solid:
        glutSolidSphere(radius, 8, 8);
        break;
    case wire:
        glutWireSphere(radius, 8, 8);
        break;
    default:
        gluSphere(quadric, radius, 16, 16);
        break;
    }
}

void SphereShapes::drawShape(Shape shape, float radius, GLUquadric* quadric) {
    if (lists_ == 0) {
        lists_ = glGenLists(shapeCount);
    }
    if (radius != radius_ || quadric != quadric_) {
        for (bool& recorded : recorded_) {
            recorded = false;
        }
        radius_ = radius;
        quadric_ = quadric;
    }
    Aftermath& after = aftermath_[shape];
    if (!recorded_[shape]) {
        glNewList(lists_ + shape, GL_COMPILE);
        drawAfresh(shape, radius, quadric);
        glEndList();
        if (shape == textured) {
            // Run the shape once in feedback mode, which draws nothing, to learn the current
            // values that drawing it leaves.
            GLfloat discarded[8];
            glFeedbackBuffer(8, GL_3D, discarded);
            glRenderMode(GL_FEEDBACK);
            drawAfresh(shape, radius, quadric);
            glRenderMode(GL_RENDER);
            glGetFloatv(GL_CURRENT_NORMAL, after.normal);
            glGetFloatv(GL_CURRENT_TEXTURE_COORDS, after.texCoord);
        }
        recorded_[shape] = true;
    }
    glCallList(lists_ + shape);
    if (shape == textured) {
        glNormal3fv(after.normal);
        glTexCoord4fv(after.texCoord);
    }
}

void SphereShapes::draw(const SphereLook& look, int charge, float radius) {
    if (!recording_) {
        drawSphere(look, charge, radius);
        return;
    }
    const bool positive = charge > 0;
    if (look.textured) {
        glBindTexture(GL_TEXTURE_2D, look.texture[positive ? 0 : 1]);
        drawShape(textured, radius, look.quadric);
    } else {
        drawShape(positive ? solid : wire, radius, look.quadric);
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
    if (!arrow.drawable) {
        return;
    }
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
