#pragma once
// One sphere and its arrow, drawn around the origin of the sphere's own frame.
#include "arrow_geometry.h"
#include "gl_headers.h"

namespace render {

struct SphereLook {
    bool textured;             // planet images instead of plain shapes
    GLUquadric* quadric;       // for the textured look
    const GLuint* texture;     // [0]: positive charges, [1]: the others
};

// Plain look: solid for a positive charge, wire frame otherwise. Textured look: the quadric
// sphere with the planet of the charge's sign bound.
void drawSphere(const SphereLook& look, int charge, float radius);

// The shaft, and the two head faces when the arrow has a head.
void drawArrow(const ArrowGeometry& arrow);

} // namespace render
