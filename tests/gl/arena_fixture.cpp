#include "arena_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include "app_runner.h"
#include "arena_surface.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

QString buildResourceFolder() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("resources"));
}

std::unique_ptr<BrellumArena> showArena(const QString& resourceFolder, int width, int height) {
    auto arena = std::make_unique<BrellumArena>(nullptr, resourceFolder);
    arena->resize(width, height);
    arena->show();
    (void)QTest::qWaitForWindowExposed(arena.get());
    for (int wait = 0; wait < 100 && !arena->surface()->isExposed(); ++wait) {
        QTest::qWait(10);
    }
    arena->makeContextCurrent();
    // Let the window's back buffer take its final size: a swap has GL look it up.
    arena->flushBuffer();
    QTest::qWait(20);
    return arena;
}

CapturedStderr::CapturedStderr() {
    char name[] = "/tmp/brellum-stderr-XXXXXX";
    const int fd = mkstemp(name);
    path_ = name;
    std::fflush(stderr);
    savedFd_ = dup(2);
    dup2(fd, 2);
    close(fd);
}

void CapturedStderr::restore() {
    if (!restored_) {
        std::fflush(stderr);
        dup2(savedFd_, 2);
        close(savedFd_);
        restored_ = true;
    }
}

CapturedStderr::~CapturedStderr() {
    restore();
    unlink(path_.c_str());
}

std::string CapturedStderr::text() {
    restore();
    std::ifstream file(path_);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

PlanetFolder::PlanetFolder() = default;

void PlanetFolder::write(const QString& name, const QImage& image, const char* format) {
    image.save(file(name), format, 100);
}

void PlanetFolder::writeBytes(const QString& name, const QByteArray& bytes) {
    QFile out(file(name));
    out.open(QFile::WriteOnly);
    out.write(bytes);
}

QImage solidImage(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

QColor backBufferPixel(int x, int y) {
    unsigned char rgba[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return QColor(rgba[0], rgba[1], rgba[2]);
}

void isolateSphere(Simulation& sim, const float position[3], const float momentum[3], int charge) {
    sim.numberAdjust(1);
    QVSphere& sphere = sim.sphereArray[0];
    sphere.setX(position[0], position[1], position[2], momentum[0], momentum[1], momentum[2]);
    sphere.setCharge(static_cast<float>(charge));
    sim.sphereToFollow = 0;
}


void ShownWindow::SetUp() {
    QString error;
    window_.reset(loadBrellumWindow(buildResourceFolder(), error));
    ASSERT_NE(window_, nullptr) << error.toStdString();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    arena_ = arenaOf(window_.get());
    sim_ = arena_->simulation();
}
