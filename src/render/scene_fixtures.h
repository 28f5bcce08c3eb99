#pragma once
// The GL state that stays fixed for the whole run, and the box outline drawn every frame.
#include "gl_headers.h"

namespace render {

// Everything after the textures: clear values, depth test, smooth shading, light 1, the
// perspective projection, and the model-view matrix selected.
void setFixedSceneState();

// The scene's single light, given once while the model-view matrix is the identity, so it sits
// 20 units to the right of the eye wherever the camera goes.
void light1();

// The quadric that textured spheres are drawn with: smooth normals and texture coordinates.
GLUquadric* newSphereQuadric();

// The wire outline of the box, one unit outside the walls at which spheres turn back.
void drawOutlineBox();

} // namespace render
