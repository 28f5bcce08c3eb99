#include "arena_fixture.h"
#include "planet_image.h"

#include <gtest/gtest.h>

#include <QBuffer>

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

TEST(Textures, OversizedImagesAreRefusedBeforeDecoding) {
    PlanetFolder folder;
    folder.write("big.png", QImage(maxPlanetImageSide + 1, 1, QImage::Format_RGB888), "PNG");
    folder.write("fits.png", solidImage(maxPlanetImageSide, 1, Qt::red), "PNG");
    EXPECT_TRUE(readPlanetImage(folder.file("big.png")).isNull());
    EXPECT_FALSE(readPlanetImage(folder.file("fits.png")).isNull());
}

} // namespace
