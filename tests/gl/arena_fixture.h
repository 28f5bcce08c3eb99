#pragma once
// Helpers for tests that drive a real arena in a real window.
#include "BrellumArena.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

// The program's own resource folder in the build tree.
QString buildResourceFolder();

// A shown arena of a given size whose surface is exposed and whose context is current.
std::unique_ptr<BrellumArena> showArena(const QString& resourceFolder, int width = 400,
                                        int height = 400);

// Everything written to standard error while it lives.
class CapturedStderr {
public:
    CapturedStderr();
    ~CapturedStderr();
    std::string text();

private:
    int savedFd_ = -1;
    std::string path_;
    bool restored_ = false;
    void restore();
};

// A folder of planet images that a test writes itself.
class PlanetFolder {
public:
    PlanetFolder();
    QString path() const { return dir_.path(); }
    // Saves `image` under `name` in the given format ("JPG", "PNG").
    void write(const QString& name, const QImage& image, const char* format = "JPG");
    void writeBytes(const QString& name, const QByteArray& bytes);
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// A picture filled with one colour.
QImage solidImage(int width, int height, QColor colour);

// The RGB of the back buffer at (x, y), in GL's bottom-up window coordinates.
QColor backBufferPixel(int x, int y);

// Puts the simulation down to one sphere at `position`, with `momentum` and `charge`.
void isolateSphere(Simulation& sim, const float position[3], const float momentum[3], int charge);

// The real window, loaded from the real .ui by the program's own loader, shown.
class ShownWindow : public ::testing::Test {
protected:
    void SetUp() override;
    template <class T> T* find(const char* name) {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::unique_ptr<QWidget> window_;
    BrellumArena* arena_ = nullptr;
    Simulation* sim_ = nullptr;
};

// A shown arena on its own, 400 x 400.
class ShownArena : public ::testing::Test {
protected:
    void SetUp() override {
        arena_ = showArena(buildResourceFolder(), 400, 400);
        sim_ = arena_->simulation();
    }
    std::unique_ptr<BrellumArena> arena_;
    Simulation* sim_ = nullptr;
};
