#pragma once
#include <QImage>
#include <QString>

// Largest image side accepted for a planet texture: a bigger header is refused before any
// pixel is decoded, so a hostile file cannot make the program allocate without bound.
inline constexpr int maxPlanetImageSide = 4096;

// Decodes an image file into interleaved 8-bit RGB (24 bits per pixel), or RGBA (32) when it
// has alpha. Returns a null image when the file is missing, empty, not an image, truncated,
// or larger than the cap.
QImage readPlanetImage(const QString& path);
