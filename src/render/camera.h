#pragma once
#include "camera_glide.h"

namespace render {

// Multiplies the frame's viewing transform onto the model-view matrix.
void lookAt(const ViewDirectionGuard::LookAt& view);

} // namespace render
