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

// The same spheres, recorded once per radius into display lists and replayed: the same vertices,
// normals and texture coordinates in the same order as drawing them afresh, without building
// them again for every sphere of every frame. Needs the GL context current while it lives.
class SphereShapes {
public:
    SphereShapes() = default;
    SphereShapes(const SphereShapes&) = delete;
    SphereShapes& operator=(const SphereShapes&) = delete;
    ~SphereShapes();

    void draw(const SphereLook& look, int charge, float radius);
    // Off: every sphere is drawn afresh with its own GLU or GLUT call, as drawSphere does.
    void setRecording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }

private:
    enum Shape { solid, wire, textured, shapeCount };
    // What the quadric sphere leaves behind as the current normal and texture coordinate (those
    // of its last vertex): the arrow drawn next is lit and textured with them, and the replay of
    // a list does not leave the same. GLUT's spheres draw from vertex arrays, which leave the
    // current values alone whether replayed or not.
    struct Aftermath {
        GLfloat normal[3];
        GLfloat texCoord[4];
    };
    void drawShape(Shape shape, float radius, GLUquadric* quadric);
    void drawAfresh(Shape shape, float radius, GLUquadric* quadric);

    bool recording_ = true;
    GLuint lists_ = 0;  // one list per shape, consecutive
    bool recorded_[shapeCount] = {};
    Aftermath aftermath_[shapeCount] = {};
    float radius_ = 0;
    GLUquadric* quadric_ = nullptr;
};

// The shaft, and the two head faces when the arrow has a head.
void drawArrow(const ArrowGeometry& arrow);

} // namespace render
