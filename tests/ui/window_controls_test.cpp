// The real window, loaded by the program's own loader from the real .ui, driven as a user
// drives it.
#include "app_runner.h"
#include "arena_fixture.h"
#include "arena_surface.h"
#include "control_panel.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WindowControls : public ShownWindow {
protected:
    template <class T> T* control(const char* name) { return find<T>(name); }
    QString readout(const char* name) { return control<QLabel>(name)->text(); }
};

TEST_F(WindowControls, ControlsStartAtTheArenasStartingValues) {
    EXPECT_EQ(readout("arrowLengthValue"), "5.0");
    EXPECT_EQ(readout("fieldStrengthValue"), "10.0");
    EXPECT_EQ(readout("radiusValue"), "1.0");
    EXPECT_EQ(readout("sphereCountValue"), "100");
    EXPECT_EQ(readControl(control<QSlider>("arrowLengthSlider")).floatValue, sim_->arrowLengthener);
    EXPECT_EQ(readControl(control<QSlider>("fieldStrengthSlider")).floatValue, sim_->fieldAdjuster);
    EXPECT_EQ(readControl(control<QSlider>("radiusSlider")).floatValue, sim_->sphereRadius);
    EXPECT_EQ(readControl(control<QSlider>("sphereCountSlider")).intValue, sim_->numberOfSpheres);
    EXPECT_FALSE(control<QCheckBox>("chaseCameraCheckBox")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("planetTexturesCheckBox")->isChecked());
    for (const ControlBinding& binding : controlBindings) {
        EXPECT_FALSE(control<QWidget>(binding.objectName)->toolTip().isEmpty())
            << binding.objectName;
    }
}

TEST_F(WindowControls, SlidersChangeTheArenaAndTheirReadouts) {
    struct Case {
        const char* slider;
        const char* readoutLabel;
        float Simulation::*field;
        float expected;
        const char* shown;
    };
    const Case cases[] = {
        {"arrowLengthSlider", "arrowLengthValue", &Simulation::arrowLengthener, 5.1f, "5.1"},
        {"fieldStrengthSlider", "fieldStrengthValue", &Simulation::fieldAdjuster, 10.1f, "10.1"},
        {"radiusSlider", "radiusValue", &Simulation::sphereRadius, 1.1f, "1.1"},
    };
    for (const Case& c : cases) {
        QSlider* slider = control<QSlider>(c.slider);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_FLOAT_EQ(sim_->*c.field, c.expected) << c.slider;
        EXPECT_EQ(readout(c.readoutLabel), c.shown);
    }
    QSlider* count = control<QSlider>("sphereCountSlider");
    QTest::keyClick(count, Qt::Key_End);
    EXPECT_EQ(sim_->numberOfSpheres, 300);
    EXPECT_EQ(readout("sphereCountValue"), "300");
    QTest::keyClick(count, Qt::Key_Home);
    EXPECT_EQ(sim_->numberOfSpheres, 1);
    EXPECT_EQ(sim_->sphereArray.size(), 1u);
}

// Clicks a check box on its box, where a user clicks it.
void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

TEST_F(WindowControls, CheckBoxesAndTheStopButton) {
    clickBox(control<QCheckBox>("chaseCameraCheckBox"));
    EXPECT_TRUE(sim_->chaseSphere);
    clickBox(control<QCheckBox>("chaseCameraCheckBox"));
    EXPECT_FALSE(sim_->chaseSphere);
    clickBox(control<QCheckBox>("planetTexturesCheckBox"));
    EXPECT_TRUE(sim_->colorMapping);

    for (int frame = 0; frame < 5; ++frame) {
        arena_->drawRect();
    }
    QTest::mouseClick(control<QPushButton>("stopSpheresButton"), Qt::LeftButton);
    for (const QVSphere& s : sim_->sphereArray) {
        ASSERT_EQ(s.px(), 0.0f);
        ASSERT_EQ(s.pz(), 0.0f);
    }
}

TEST_F(WindowControls, KeyboardMnemonicsReachTheControls) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_C, Qt::AltModifier);
    // A mnemonic presses the check box visibly: the click lands a moment later.
    for (int wait = 0; wait < 50 && !sim_->chaseSphere; ++wait) {
        QTest::qWait(10);
    }
    EXPECT_TRUE(sim_->chaseSphere);
    QTest::keyClick(window_.get(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(control<QSlider>("sphereCountSlider")->hasFocus());
}

QPoint handleCentre(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->value();
    option.orientation = slider->orientation();
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
}

void dragBy(QSlider* slider, QPoint& at, int steps) {
    for (int step = 0; step < steps; ++step) {
        at.rx() += 4;
        QMouseEvent move(QEvent::MouseMove, at, slider->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        QTest::qWait(20);
    }
}

TEST_F(WindowControls, FramesGoOnWhileASliderIsDragged) {
    arena_->awakeFromNib();
    QSlider* slider = control<QSlider>("radiusSlider");
    QPoint at = handleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, at);
    const unsigned long long framesAtPress = arena_->framesRun();
    dragBy(slider, at, 10);
    const unsigned long long framesWhileDragging = arena_->framesRun() - framesAtPress;
    QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
    EXPECT_GT(framesWhileDragging, 5u);
    EXPECT_GT(sim_->sphereRadius, 1.0f) << "the slider sends its value while dragged";
}

TEST_F(WindowControls, ClosingTheWindowStopsTheSimulation) {
    arena_->awakeFromNib();
    QTest::qWait(30);
    window_->close();
    EXPECT_TRUE(arena_->isClosed());
    const unsigned long long frames = arena_->framesRun();
    QTest::qWait(50);
    EXPECT_EQ(arena_->framesRun(), frames);
    // Controls moved afterwards reach nothing.
    QTest::mouseClick(control<QPushButton>("stopSpheresButton"), Qt::LeftButton);
    control<QSlider>("sphereCountSlider")->setValue(250);
    EXPECT_EQ(arena_->simulation(), nullptr);
}

TEST_F(WindowControls, ClosingMidDragThenMoreTicksAndActionsIsHarmless) {
    arena_->awakeFromNib();
    QSlider* slider = control<QSlider>("sphereCountSlider");
    QPoint at = handleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, at);
    dragBy(slider, at, 3);
    window_->close();
    const unsigned long long frames = arena_->framesRun();
    dragBy(slider, at, 5);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
    QTest::keyClick(slider, Qt::Key_End);
    clickBox(control<QCheckBox>("planetTexturesCheckBox"));
    arena_->drawRect();
    QTest::qWait(50);
    EXPECT_TRUE(arena_->isClosed());
    EXPECT_EQ(arena_->simulation(), nullptr);
    EXPECT_EQ(arena_->framesRun(), frames);
}

// A copy of the resources with the .ui edited by `edit`.
QString editedResources(QTemporaryDir& dir, const std::function<void(QByteArray&)>& edit) {
    for (const char* name : {"uranus.jpg", "mars.jpg"}) {
        QFile::copy(buildResourceFolder() + "/" + name, dir.filePath(name));
    }
    QFile original(buildResourceFolder() + "/BrellumWindow.ui");
    original.open(QFile::ReadOnly);
    QByteArray ui = original.readAll();
    edit(ui);
    QFile copy(dir.filePath("BrellumWindow.ui"));
    copy.open(QFile::WriteOnly);
    copy.write(ui);
    return dir.path();
}

TEST(WindowContract, LoadingFailsNamingWhatIsMissing) {
    struct Case {
        const char* what;
        std::function<void(QByteArray&)> edit;
        const char* message;
    };
    const Case cases[] = {
        {"renamed control",
         [](QByteArray& ui) { ui.replace("name=\"stopSpheresButton\"", "name=\"somethingElse\""); },
         "no control named 'stopSpheresButton'"},
        {"connection removed",
         [](QByteArray& ui) { ui.replace("<slot>fieldAdjust()</slot>", "<slot>arrowLength()</slot>"); },
         "'fieldStrengthSlider' is not connected to the arena's fieldAdjust()"},
        {"no arena", [](QByteArray& ui) { ui.replace("name=\"arena\"", "name=\"view\""); },
         "no BrellumArena named 'arena'"},
        {"not a ui file", [](QByteArray& ui) { ui = "garbage"; }, "cannot load"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        QString error;
        QWidget* window = loadBrellumWindow(editedResources(dir, c.edit), error);
        EXPECT_EQ(window, nullptr) << c.what;
        EXPECT_TRUE(error.contains(c.message)) << c.what << ": " << error.toStdString();
        delete window;
    }
    QString error;
    EXPECT_EQ(loadBrellumWindow("/nonexistent", error), nullptr);
    EXPECT_TRUE(error.contains("/nonexistent/BrellumWindow.ui")) << error.toStdString();
}

} // namespace
