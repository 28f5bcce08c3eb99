#include "arena_fixture.h"
#include "planet_image.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <cstdint>
#include <vector>

namespace {

const char* const failureLine = "loadGLTextures failed. :-(\n";

// A picture with a different colour in every corner region, so a flip shows.
QImage patternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixelColor(x, y, QColor(x * 255 / width, y * 255 / height, 128));
        }
    }
    return image;
}

GLint levelZeroSize(GLenum which) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, which, &value);
    return value;
}

// Level 0 of `name` read back as tightly packed RGB rows, bottom row first.
std::vector<unsigned char> levelZero(GLuint name) {
    glBindTexture(GL_TEXTURE_2D, name);
    const std::size_t width = static_cast<std::size_t>(levelZeroSize(GL_TEXTURE_WIDTH));
    const std::size_t height = static_cast<std::size_t>(levelZeroSize(GL_TEXTURE_HEIGHT));
    std::vector<unsigned char> pixels(width * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return pixels;
}

std::vector<unsigned char> bottomUpRgb(const QImage& decoded) {
    const QImage rgb = decoded.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> rows;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        rows.insert(rows.end(), line, line + rgb.width() * 3);
    }
    return rows;
}

struct Loaded {
    std::unique_ptr<BrellumArena> arena;
    std::string log;
};

Loaded loadFrom(const PlanetFolder& folder) {
    CapturedStderr err;
    Loaded loaded;
    loaded.arena = showArena(folder.path(), 64, 64);
    loaded.log = err.text();
    return loaded;
}

TEST(Textures, BothImagesBecomeTexturesBottomRowFirst) {
    PlanetFolder folder;
    folder.write("uranus.jpg", patternImage(32, 16));
    folder.write("mars.jpg", patternImage(16, 8));
    const Loaded loaded = loadFrom(folder);
    EXPECT_EQ(loaded.log, "");
    const GLuint uranus = loaded.arena->textureName(0);
    const GLuint mars = loaded.arena->textureName(1);
    EXPECT_NE(uranus, 0u);
    EXPECT_NE(mars, 0u);
    EXPECT_NE(uranus, mars);

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), mars) << "slot 1 stays bound after loading";

    glBindTexture(GL_TEXTURE_2D, uranus);
    EXPECT_EQ(levelZeroSize(GL_TEXTURE_WIDTH), 32);
    EXPECT_EQ(levelZeroSize(GL_TEXTURE_HEIGHT), 16);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_NEAREST);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
    EXPECT_EQ(filter, GL_NEAREST);
    // JPEG is lossy: compare with the picture as the reader decodes it.
    EXPECT_EQ(levelZero(uranus), bottomUpRgb(readPlanetImage(folder.file("uranus.jpg"))));
    EXPECT_EQ(levelZero(mars), bottomUpRgb(readPlanetImage(folder.file("mars.jpg"))));
}

TEST(Textures, SidesThatAreNotPowersOfTwoAreScaledByTheMipmapBuild) {
    PlanetFolder folder;
    // 37 x 21: rows of 111 bytes, padded to 112 by the reader.
    folder.write("uranus.jpg", solidImage(37, 21, QColor(200, 40, 40)));
    folder.write("mars.jpg", patternImage(64, 32));
    const Loaded loaded = loadFrom(folder);
    EXPECT_EQ(loaded.log, "");
    glBindTexture(GL_TEXTURE_2D, loaded.arena->textureName(0));
    EXPECT_EQ(levelZeroSize(GL_TEXTURE_WIDTH), 32);
    EXPECT_EQ(levelZeroSize(GL_TEXTURE_HEIGHT), 16);
    const std::vector<unsigned char> pixels = levelZero(loaded.arena->textureName(0));
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        ASSERT_NEAR(pixels[i], 200, 6) << "pixel " << i / 3;
        ASSERT_NEAR(pixels[i + 1], 40, 6) << "pixel " << i / 3;
    }
}

TEST(Textures, ImageWithAlphaKeepsThreeComponents) {
    PlanetFolder folder;
    QImage withAlpha(8, 8, QImage::Format_RGBA8888);
    withAlpha.fill(QColor(10, 200, 30, 90));
    folder.write("uranus.jpg", withAlpha, "PNG");
    folder.write("mars.jpg", patternImage(8, 8));
    const Loaded loaded = loadFrom(folder);
    EXPECT_EQ(loaded.log, "");
    glBindTexture(GL_TEXTURE_2D, loaded.arena->textureName(0));
    const GLint internal = levelZeroSize(GL_TEXTURE_INTERNAL_FORMAT);
    EXPECT_TRUE(internal == 3 || internal == GL_RGB) << internal;
    const std::vector<unsigned char> pixels = levelZero(loaded.arena->textureName(0));
    EXPECT_EQ(pixels[0], 10);
    EXPECT_EQ(pixels[1], 200);
    EXPECT_EQ(pixels[2], 30);
}

TEST(Textures, GreyscaleImagesAreAccepted) {
    PlanetFolder folder;
    QImage grey(12, 6, QImage::Format_Grayscale8);
    grey.fill(77);
    folder.write("uranus.jpg", grey);
    folder.write("mars.jpg", grey);
    const Loaded loaded = loadFrom(folder);
    EXPECT_EQ(loaded.log, "");
    const std::vector<unsigned char> pixels = levelZero(loaded.arena->textureName(1));
    EXPECT_NEAR(pixels[0], 77, 2);
    EXPECT_EQ(pixels[0], pixels[1]);
}

TEST(Textures, UnreadableImagesLogOnceAndMakeNoTextures) {
    const QByteArray jpeg = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        patternImage(64, 64).save(&buffer, "JPG", 90);
        return bytes;
    }();
    struct Case {
        const char* name;
        const char* uranus;  // null: file missing
        QByteArray uranusBytes;
        const char* mars;
        QByteArray marsBytes;
    };
    const Case cases[] = {
        {"first missing", nullptr, {}, "mars.jpg", jpeg},
        {"second missing", "uranus.jpg", jpeg, nullptr, {}},
        {"both missing", nullptr, {}, nullptr, {}},
        {"empty", "uranus.jpg", QByteArray(), "mars.jpg", jpeg},
        {"not an image", "uranus.jpg", QByteArray(300, 'x'), "mars.jpg", jpeg},
        {"truncated", "uranus.jpg", jpeg, "mars.jpg", jpeg.left(jpeg.size() / 2)},
    };
    for (const Case& c : cases) {
        PlanetFolder folder;
        if (c.uranus) {
            folder.writeBytes(c.uranus, c.uranusBytes);
        }
        if (c.mars) {
            folder.writeBytes(c.mars, c.marsBytes);
        }
        const Loaded loaded = loadFrom(folder);
        EXPECT_EQ(loaded.log, failureLine) << c.name;
        EXPECT_EQ(loaded.arena->textureName(0), 0u) << c.name;
        EXPECT_EQ(loaded.arena->textureName(1), 0u) << c.name;
        // Start-up goes on: the spheres are there and frames run, textured look included.
        ASSERT_NE(loaded.arena->simulation(), nullptr);
        loaded.arena->simulation()->colorMapping = true;
        loaded.arena->renderFrame();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << c.name;
    }
}

std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

QByteArray bigEndian(std::uint32_t value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    }
    return bytes;
}

// A PNG whose header claims `width` x `height` pixels, followed by no image data.
QByteArray pngHeaderClaiming(std::uint32_t width, std::uint32_t height) {
    QByteArray ihdr = "IHDR" + bigEndian(width) + bigEndian(height);
    ihdr += QByteArray("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + bigEndian(13) + ihdr + bigEndian(crc32(ihdr));
}

// A real JPEG whose frame header is patched to claim 65000 x 65000 pixels.
QByteArray jpegClaimingHugeSize() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    patternImage(16, 16).save(&buffer, "JPG");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    for (const qsizetype field : {frame + 5, frame + 7}) {  // height, then width
        bytes[field] = static_cast<char>(0xFD);
        bytes[field + 1] = static_cast<char>(0xE8);
    }
    return bytes;
}

TEST(PlanetImages, AwkwardButValidImagesAreNormalisedTo8BitRowsOf4Bytes) {
    PlanetFolder folder;
    struct Case {
        const char* name;
        QImage image;
        const char* format;
        int depth;
    };
    QImage deep(3, 2, QImage::Format_RGBA64);
    deep.fill(QColor(255, 128, 0, 255));
    const Case cases[] = {
        {"png-named.jpg", patternImage(6, 5), "PNG", 24},
        {"deep.png", deep, "PNG", 32},
        {"one.jpg", solidImage(1, 1, Qt::blue), "JPG", 24},
        {"grey.png", QImage(7, 3, QImage::Format_Grayscale16), "PNG", 24},
        {"mono.png", QImage(9, 4, QImage::Format_Mono), "PNG", 24},
    };
    for (const Case& c : cases) {
        folder.write(c.name, c.image, c.format);
        const QImage read = readPlanetImage(folder.file(c.name));
        ASSERT_FALSE(read.isNull()) << c.name;
        EXPECT_EQ(read.size(), c.image.size()) << c.name;
        EXPECT_EQ(read.depth(), c.depth) << c.name;
        EXPECT_EQ(read.bytesPerLine() % 4, 0) << c.name;
    }
}

TEST(PlanetImages, HeadersClaimingHugeSizesAreRefused) {
    PlanetFolder folder;
    folder.writeBytes("huge.png", pngHeaderClaiming(100000, 100000));
    folder.writeBytes("wide.png", pngHeaderClaiming(5000, 1));
    folder.writeBytes("huge.jpg", jpegClaimingHugeSize());
    CapturedStderr err;
    for (const char* name : {"huge.png", "wide.png", "huge.jpg"}) {
        EXPECT_TRUE(readPlanetImage(folder.file(name)).isNull()) << name;
    }
    EXPECT_EQ(err.text(), "") << "the decoders' complaints stay quiet";
}

TEST(Textures, OversizedImagesAreRefusedBeforeDecoding) {
    PlanetFolder folder;
    folder.write("big.png", QImage(maxPlanetImageSide + 1, 1, QImage::Format_RGB888), "PNG");
    folder.write("fits.png", solidImage(maxPlanetImageSide, 1, Qt::red), "PNG");
    EXPECT_TRUE(readPlanetImage(folder.file("big.png")).isNull());
    EXPECT_FALSE(readPlanetImage(folder.file("fits.png")).isNull());
}

} // namespace
