// Bytes in, a planet image out: the reader must refuse the bytes or give a well-formed picture,
// and never crash, read out of bounds or allocate without bound.
#include "planet_image.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);  // image plugins are found through it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QImage image = readPlanetImage(&buffer);
    if (image.isNull()) {
        return 0;
    }
    const bool wellFormed =
        (image.depth() == 24 || image.depth() == 32) && image.width() >= 1 &&
        image.height() >= 1 && image.width() <= maxPlanetImageSide &&
        image.height() <= maxPlanetImageSide && image.bytesPerLine() % 4 == 0 &&
        image.bytesPerLine() >= image.width() * image.depth() / 8;
    if (!wellFormed) {
        __builtin_trap();
    }
    unsigned char* rows = bottomUpRows(image);
    if (rows != nullptr) {
        // Touch both ends: the copy must have filled exactly bytesPerLine x height bytes.
        const std::size_t last =
            static_cast<std::size_t>(image.bytesPerLine()) * static_cast<std::size_t>(image.height()) - 1;
        if (rows[0] != image.constScanLine(image.height() - 1)[0] || rows[last] != image.constBits()[image.bytesPerLine() - 1]) {
            __builtin_trap();
        }
        std::free(rows);
    }
    return 0;
}
