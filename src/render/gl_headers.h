#pragma once
// The fixed-function GL, GLU and freeglut's shapes, in one place.
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/freeglut.h>
