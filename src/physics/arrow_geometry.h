#pragma once
// The arrow drawn at a sphere, in the sphere's own frame: a shaft from the centre to the arrow
// vector and a head of two five-vertex faces whose base sits at 0.8 of the vector.
//
// The head's half-widths come from the squared length of the vector (no square root of it is
// taken), and every component is bounded to 0.04..0.4 by itself, sign included: the head always
// opens towards +x, +y, +z. That look is the program's own and is kept.

struct ArrowGeometry {
    // False when the vector is not finite (a huge arrow scale can overflow it): nothing is drawn.
    bool drawable;
    float shaftEnd[3];   // the arrow vector; the shaft starts at the origin
    float arrowBase[3];  // the centre of the head's base
    float deltaA[3];     // the two bounded offsets that span the head
    float deltaB[3];
    // False when the vector has no part in the x-y plane (the offsets would be 0/0 there) or
    // its squared length overflows: only the shaft is drawn.
    bool hasHead;
    float faceA[5][3];
    float faceB[5][3];
};

ArrowGeometry arrowGeometry(const float vector[3]);
