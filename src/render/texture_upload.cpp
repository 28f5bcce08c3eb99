#include "texture_upload.h"

#include <cstring>
#include <vector>

namespace render {

namespace {

// GL reads rows padded to 4 bytes (its default unpack alignment, which we leave alone); rows
// stored any other way are repacked first.
int alignedRowBytes(const TextureImage& image) {
    const int bytesPerPixel = image.format == GL_RGBA ? 4 : 3;
    return (image.width * bytesPerPixel + 3) / 4 * 4;
}

std::vector<unsigned char> repacked(const TextureImage& image, int rowBytes) {
    std::vector<unsigned char> rows(static_cast<std::size_t>(rowBytes) * image.height);
    const int copied = rowBytes < image.bytesPerRow ? rowBytes : image.bytesPerRow;
    for (int row = 0; row < image.height; ++row) {
        std::memcpy(rows.data() + static_cast<std::size_t>(row) * rowBytes,
                    image.bytes + static_cast<std::size_t>(row) * image.bytesPerRow,
                    static_cast<std::size_t>(copied));
    }
    return rows;
}

} // namespace

void uploadTexture(GLuint name, const TextureImage& image) {
    const int rowBytes = alignedRowBytes(image);
    std::vector<unsigned char> repackedRows;
    const unsigned char* data = image.bytes;
    if (rowBytes != image.bytesPerRow) {
        repackedRows = repacked(image, rowBytes);
        data = repackedRows.data();
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, image.format,
                 GL_UNSIGNED_BYTE, data);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, image.format, GL_UNSIGNED_BYTE,
                      data);
}

} // namespace render
