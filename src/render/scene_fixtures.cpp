#include "scene_fixtures.h"

namespace render {

void setFixedSceneState() {
    glEnable(GL_TEXTURE_2D);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    light1();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(80.0, 1.0, 0.1, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void light1() {
    const GLfloat lightAmbient[] = {0.5f, 0.5f, 1.0f, 1.0f};
    const GLfloat lightDiffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat lightPosition[] = {20.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, lightPosition);
    glEnable(GL_LIGHT1);
    glColor4f(0.5f, 0.7f, 1.0f, 0.5f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);  // blending stays off: this never takes effect
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
}

GLUquadric* newSphereQuadric() {
    GLUquadric* quadric = gluNewQuadric();
    if (quadric != nullptr) {
        gluQuadricNormals(quadric, GLU_SMOOTH);
        gluQuadricTexture(quadric, GL_TRUE);
    }
    return quadric;
}

void drawOutlineBox() {
    glColor4f(0.0f, 1.0f, 0.0f, 0.2f);
    glutWireCube(102.0);
}

} // namespace render
