#pragma once
// Turning a read planet image into a GL texture.
#include "gl_headers.h"

namespace render {

// An image as read from its file: rows bottom row first, `bytesPerRow` apart, interleaved
// 8-bit samples, 3 (GL_RGB) or 4 (GL_RGBA) to a pixel.
struct TextureImage {
    GLenum format;
    int width;
    int height;
    int bytesPerRow;
    const unsigned char* bytes;
};

// Uploads level 0 and the mipmaps into texture `name` with nearest filtering; the texture keeps
// three components. Rows are read with the image's own stride, whatever it is.
void uploadTexture(GLuint name, const TextureImage& image);

} // namespace render
