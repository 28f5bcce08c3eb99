// Writes the fuzzer's seed corpus: small JPEG and PNG pictures of every kind the planet reader
// meets (colour, grey, alpha, 16 bits per sample, odd sizes, progressive and damaged files).
#include "planet_image.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

QImage pattern(int width, int height, QImage::Format format) {
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixelColor(x, y, QColor((x * 37) % 256, (y * 91) % 256, (x * y) % 256,
                                             (x + y) % 2 ? 255 : 128));
        }
    }
    return image.convertToFormat(format);
}

QByteArray encode(const QImage& image, const char* format, int quality = 80,
                  bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_planet_seeds FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(".");
    const struct {
        const char* name;
        QByteArray bytes;
    } seeds[] = {
        {"rgb-37x21.jpg", encode(pattern(37, 21, QImage::Format_RGB888), "JPG")},
        {"rgb-1x1.jpg", encode(pattern(1, 1, QImage::Format_RGB888), "JPG")},
        {"grey-12x6.jpg", encode(pattern(12, 6, QImage::Format_Grayscale8), "JPG")},
        {"progressive-16x16.jpg", encode(pattern(16, 16, QImage::Format_RGB888), "JPG", 60, true)},
        {"rgba-8x8.png", encode(pattern(8, 8, QImage::Format_RGBA8888), "PNG")},
        {"grey-5x3.png", encode(pattern(5, 3, QImage::Format_Grayscale8), "PNG")},
        {"deep-4x4.png", encode(pattern(4, 4, QImage::Format_RGBA64), "PNG")},
        {"mono-9x9.png", encode(pattern(9, 9, QImage::Format_Mono), "PNG")},
        {"truncated.jpg", encode(pattern(32, 32, QImage::Format_RGB888), "JPG").left(300)},
    };
    for (const auto& seed : seeds) {
        QFile file(folder.filePath(seed.name));
        if (!file.open(QIODevice::WriteOnly) || file.write(seed.bytes) != seed.bytes.size()) {
            std::fprintf(stderr, "make_planet_seeds: cannot write %s\n", seed.name);
            return 1;
        }
    }
    // The seeds only help if the reader takes them: all but the damaged one must decode.
    int decoded = 0;
    for (const auto& seed : seeds) {
        decoded += !readPlanetImage(folder.filePath(seed.name)).isNull();
    }
    std::printf("%zu seeds in %s, %d decode\n", std::size(seeds), argv[1], decoded);
    return decoded == static_cast<int>(std::size(seeds)) - 1 ? 0 : 1;
}
