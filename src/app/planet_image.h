#pragma once
#include <QImage>
#include <QString>

class QIODevice;

// Largest image side accepted for a planet texture: a bigger header is refused before any
// pixel is decoded, so a hostile file cannot make the program allocate without bound (at most
// 4096 x 4096 x 4 bytes, 64 MiB, for one image).
inline constexpr int maxPlanetImageSide = 4096;

// Decodes an image into interleaved 8-bit RGB (24 bits per pixel), or RGBA (32) when it has
// alpha, with rows padded to 4 bytes. Returns a null image when the file is missing, empty,
// not an image, damaged, or larger than the cap.
QImage readPlanetImage(const QString& path);
QImage readPlanetImage(QIODevice* device);

// The image's rows copied bottom row first into a new zero-filled buffer of
// bytesPerLine() x height() bytes, as GL wants them; free it with std::free. Null when the
// buffer cannot be allocated.
unsigned char* bottomUpRows(const QImage& image);
