// Test main for everything that needs a window: a Qt application on the X display and
// freeglut's shapes, as the program itself has them.
#include "app_runner.h"
#include "gl_headers.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    provideRuntimeFolder();
    QApplication app(argc, argv);
    glutInit(&argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
