#include "camera.h"

#include "gl_headers.h"

namespace render {

void lookAt(const ViewDirectionGuard::LookAt& view) {
    gluLookAt(view.eye[0], view.eye[1], view.eye[2], view.center[0], view.center[1],
              view.center[2], view.up[0], view.up[1], view.up[2]);
}

} // namespace render
