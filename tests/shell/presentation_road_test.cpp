// The 3-D presentation on the running program with the shipped models: the
// axes of both types, the vector field as dots and as streamlines, the probe
// following the pointer, and the pointer tools driven by real X pointer
// events (xdotool): a drag with the initial-value tool (undone by Ctrl+Z), a
// translation and a rotation; the presentation and tool commands with their
// windows and sphere colours, and the view's context menu. With
// ATTRAVA_SCREENSHOT_DIR set each stage is saved as a PNG.
#include "running_program.h"

#include "dialogs/local_lyapunov_dialog.h"
#include "dialogs/phase_space_dialog.h"
#include "shell/command_ids.h"
#include "shell/japanese_font.h"
#include "shell/main_frame.h"
#include "view/gl_start.h"
#include "view/ps_view.h"

#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// Pixels whose colour is near (r, g, b) within 40 per channel.
int pixelsNear(const QImage& image, int r, int g, int b)
{
    int hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - r) < 40 && std::abs(c.green() - g) < 40 && std::abs(c.blue() - b) < 40)
                ++hits;
        }
    }
    return hits;
}

// Both ends of the colour scale in the image: blue shades and yellow to red.
bool showsBlueAndWarm(const QImage& image)
{
    int blue = 0;
    int warm = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > 180 && c.red() < 60 && c.green() < 200;
            warm += c.red() > 200 && c.blue() < 60;
        }
    }
    return blue > 0 && warm > 0;
}

// Pixels of strong colour: the field's scale colours, not the pale orbit,
// the grey floor or the black background.
int saturatedPixels(const QImage& image)
{
    int hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            hits += image.pixelColor(x, y).hsvSaturation() > 180 && image.pixelColor(x, y).value() > 120;
    }
    return hits;
}

} // namespace

class PresentationRoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useJapaneseApplicationFont();
        initialiseBitmapFonts("presentation_road_test");
    }

    void init()
    {
        program_ = std::make_unique<RunningProgram>();
    }

    void cleanup()
    {
        program_.reset();
    }

    void axesOfBothTypesForThreeAndFourVariables()
    {
        for (const char* model : {"Lorenz", "ResslerHyperchaos"}) {
            startProgram(model);
            ViewSlot& slot = program_->document().views[0];
            EnvironmentSettings& env = slot.environment;
            env.Axis_Flag_Display = 1;
            env.Axis_Num_Type = 0;
            program_->document().applyEnvironmentChange(EnvironmentChange::Axes);
            const QImage plain = frameAfterTicks();
            saveScreenShot(QStringLiteral("axes_type0_%1").arg(model));
            // The x axis in pure red.
            QVERIFY(pixelsNear(plain, 255, 0, 0) > 50);

            env.Axis_Num_Type = 1;
            env.Axis_Type1_Flag_Text = 1;
            env.Axis_Type1_Flag_Name = 1;
            env.Axis_Type1_Flag_xyLatice = 1;
            env.Axis_Type1_Flag_Back = 1;
            for (float* colour : {env.Axis_Type1_TextColor, env.Axis_Type1_NameColor})
                colour[0] = 1.0f, colour[1] = 1.0f, colour[2] = 0.0f;
            program_->document().applyEnvironmentChange(EnvironmentChange::Axes);
            const QImage frame = frameAfterTicks();
            saveScreenShot(QStringLiteral("axes_type1_%1").arg(model));
            const AxisTicks& ticks = slot.axes.ticks();
            QCOMPARE(ticks.dimension, slot.engine.recordInUse.Dimension);
            for (int k = 0; k < ticks.dimension; ++k) {
                QVERIFY(!tickValues(ticks, k).empty());
                QVERIFY(ticks.boxMin[k] <= slot.engine.orbitMin[k]);
                QVERIFY(ticks.boxMax[k] >= slot.engine.orbitMax[k]);
            }
            // The numbers and names in yellow; no red axis any more.
            QVERIFY(pixelsNear(frame, 255, 255, 0) > 30);
            QCOMPARE(pixelsNear(frame, 255, 0, 0), 0);
            program_ = std::make_unique<RunningProgram>();
        }
    }

    void vectorFieldAsDotsAndStreamlines()
    {
        startProgram("Lorenz");
        ViewSlot& slot = program_->document().views[0];
        EnvironmentSettings& env = slot.environment;
        // A lattice over the attractor, as the phase-space settings set it.
        slot.engine.recordInUse.Phase_Space_Sise = 5.0;
        slot.engine.recordInUse.Phase_Space_Position = StateVector{0.0, 0.0, 25.0, 0.0, 0.0, 0.0};
        env.vectorFieldOn = 1;
        env.Vector_Flag_Display_Vector = 0;
        env.rebuildLevel = RebuildLevel::VectorField;
        const QImage dots = frameAfterTicks();
        saveScreenShot(QStringLiteral("vector_field_dots"));
        QVERIFY(env.colourMax > env.colourMin);
        QVERIFY(showsBlueAndWarm(dots));

        env.Vector_Flag_Display_Vector = 1;
        env.rebuildLevel = RebuildLevel::VectorField;
        const QImage lines = frameAfterTicks();
        saveScreenShot(QStringLiteral("vector_field_streamlines"));
        QVERIFY(showsBlueAndWarm(lines));
        // Streamlines cover far more of the view than the dots.
        QVERIFY(saturatedPixels(lines) > 2 * saturatedPixels(dots));

        env.vectorFieldOn = 0;
        env.rebuildLevel = RebuildLevel::VectorField;
        QVERIFY(!showsBlueAndWarm(frameAfterTicks()));
    }

    void theProbeFollowsThePointer()
    {
        startProgram("Lorenz");
        ViewSlot& slot = program_->document().views[0];
        slot.environment.probeMode = 1;
        slot.environment.pointerState = PointerState::None;
        slot.applyCursorColour();
        pressAt(QPoint(400, 300));
        drag({QPoint(480, 260)});
        QTRY_VERIFY(slot.localStep.length() > 0.0);
        frameAfterTicks();
        saveScreenShot(QStringLiteral("probe_arrow"));
        const Vector3 pointerAt = program_->document().pointer.pose().translationPart();
        for (int k = 0; k < 3; ++k)
            QVERIFY(std::abs(slot.probe.position()[k] - pointerAt[k]) < 1e-9);
        // The probe points along the model's motion there.
        const Vector3 along = slot.probe.transform().transformDirection({0.0, 0.0, 1.0});
        Vector3 step = slot.localStep;
        step.normalize();
        QVERIFY(along.x * step.x + along.y * step.y + along.z * step.z > 0.999);
        release();
    }

    void initialValueDragMovesTheStartAndTheOrbitFollows()
    {
        startProgram("Lorenz");
        ViewSlot& slot = program_->document().views[0];
        slot.environment.pointerState = PointerState::InitialValueInput;
        slot.applyCursorColour();
        const StateVector before = slot.engine.recordInUse.Setting;
        pressAt(QPoint(400, 300));
        drag({QPoint(430, 290), QPoint(460, 280), QPoint(500, 260)});
        QTRY_VERIFY(slot.engine.recordInUse.Setting[0] != before[0]);
        frameAfterTicks();
        // The status bar names the picked point.
        const QString status = program_->app().frame().statusBar()->currentMessage();
        QVERIFY2(status.contains(QString::number(slot.engine.recordInUse.Setting[0], 'f', 4)),
                 qPrintable(status));
        saveScreenShot(QStringLiteral("initial_value_drag"));
        release();
        frameAfterTicks();
        const StateVector after = slot.engine.recordInUse.Setting;
        QCOMPARE(slot.engine.orbit.front()[0], after[0]);
        QCOMPARE(slot.engine.orbit.front()[2], after[2]);
        QCOMPARE(after[3], before[3]);

        // Ctrl+Z on the frame puts the start back where it was before the drag.
        QTest::keyClick(&program_->app().frame(), Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(slot.engine.orbit.front(), before);
        QCOMPARE(slot.engine.recordInUse.Setting, before);
    }

    void commandsOpenTheVectorWindowsAndSwitchTheTools()
    {
        startProgram("Lorenz");
        CommandRouter& router = program_->app().router();
        CUser& document = program_->document();
        ViewSlot& slot = document.views[0];

        QVERIFY(router.execute(CommandId::LocalLyapunov));
        QVERIFY(document.isAnalysisWindowOpen(static_cast<int>(WindowKind::LocalLyapunovError), 0));
        QCOMPARE(router.state(CommandId::LocalLyapunov).checked, std::optional<bool>(true));
        frameAfterTicks();
        saveScreenShot(QStringLiteral("local_lyapunov_window_on_view"));

        QVERIFY(router.execute(CommandId::VectorField));
        QVERIFY(document.isAnalysisWindowOpen(static_cast<int>(WindowKind::PhaseSpaceSettings), 0));
        auto* settings = findTopLevel<CPhaseSpaceDialog>();
        QVERIFY(settings);
        // A large lattice through the window: sampled on a worker while the
        // view goes on drawing, then shown.
        settings->findChild<QLineEdit*>(QStringLiteral("pointsPerSideEdit"))->setText(QStringLiteral("30"));
        settings->findChild<QLineEdit*>(QStringLiteral("spacingEdit"))->setText(QStringLiteral("2"));
        settings->findChild<QLineEdit*>(QStringLiteral("centreEditZ"))->setText(QStringLiteral("25"));
        slot.environment.colourMax = slot.environment.colourMin = 0.0;
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("applyButton")), Qt::LeftButton);
        QTRY_VERIFY(document.jobs.isActive(0, JobKind::VectorField));
        QTRY_VERIFY_WITH_TIMEOUT(slot.environment.colourMax > slot.environment.colourMin, 20000);
        QVERIFY(showsBlueAndWarm(frameAfterTicks()));
        saveScreenShot(QStringLiteral("phase_space_window_on_view"));
        // A small lattice is recorded at once, without a worker.
        settings->findChild<QLineEdit*>(QStringLiteral("pointsPerSideEdit"))->setText(QStringLiteral("6"));
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("applyButton")), Qt::LeftButton);
        frameAfterTicks();
        QVERIFY(!document.jobs.isActive(0, JobKind::VectorField));
        // OK hides the window; the rule's mark follows.
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY(!document.isAnalysisWindowOpen(static_cast<int>(WindowKind::PhaseSpaceSettings), 0));
        findTopLevel<CLocalLyapunovDialog>()->hide();

        // Each tool shows its sphere colour; the probe needs the field.
        const struct {
            int command;
            int r, g, b;
            const char* name;
        } tools[] = {
            {CommandId::AssignInitialValue, 0, 255, 0, "pointer_sphere_initial_value"},
            {CommandId::LocalInformation, 0, 255, 255, "pointer_sphere_probe"},
            {CommandId::TranslateRotate, 255, 255, 0, "pointer_sphere_translation"},
        };
        // The objects aside, so the sphere at the view's centre stands alone.
        slot.objectTransform.setPosition({2.0, 0.0, 0.0});
        // The probe arrow pointing to the side, not over the sphere at the viewer.
        slot.localStep = Vector3{1.0, 0.0, 0.0};
        for (const auto& tool : tools) {
            QVERIFY(router.execute(tool.command));
            QCOMPARE(router.state(tool.command).checked, std::optional<bool>(true));
            QVERIFY(pixelsNear(sphereCloseUp(tool.name), tool.r, tool.g, tool.b) > 20);
        }
        QVERIFY(router.execute(CommandId::TranslateRotate));
        QCOMPARE(slot.environment.pointerState, PointerState::None);
        const QImage grey = sphereCloseUp("pointer_sphere_no_tool");
        QVERIFY(pixelsNear(grey, 128, 128, 128) > 20);
        QCOMPARE(pixelsNear(grey, 255, 255, 0), 0);

        QVERIFY(router.execute(CommandId::AxisDisplay));
        QCOMPARE(slot.environment.Axis_Flag_Display, 1);
        slot.objectTransform.setPosition({0.5, 0.0, 0.0});
        QVERIFY(router.execute(CommandId::PositionReset));
        QCOMPARE(slot.objectTransform.position(), Vector3());
    }

    void theContextMenuCarriesTheDevicePopupAndTheCommands()
    {
        startProgram("Lorenz");
        CMainFrame& frame = program_->app().frame();
        frame.showContextMenu(program_->app().view().mapToGlobal(QPoint(300, 200)));
        QMenu* menu = frame.contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QMenu* device = nullptr;
        QMenu* presentation = nullptr;
        QAction* vectorField = nullptr;
        for (QAction* item : menu->actions()) {
            if (item->text() == QStringLiteral("デバイス(&D)"))
                device = item->menu();
            for (QAction* inner : item->menu() ? item->menu()->actions() : QList<QAction*>()) {
                if (inner->text() == QStringLiteral("相空間のベクトル場")) {
                    vectorField = inner;
                    presentation = item->menu();
                }
            }
        }
        QVERIFY(device && presentation);
        QVERIFY(vectorField && vectorField->isEnabled());
        for (QMenu* popup : {presentation, device}) {
            menu->setActiveAction(popup->menuAction());
            popup->popup(menu->geometry().topRight());
            QTRY_VERIFY(popup->isVisible());
            QVERIFY(QTest::qWaitForWindowExposed(popup));
            // The pop-ups paint after they are exposed.
            QTest::qWait(300);
            saveScreenShot(popup == device ? QStringLiteral("context_menu_device")
                                           : QStringLiteral("context_menu_presentation"));
            popup->hide();
        }
        vectorField->trigger();
        QCOMPARE(program_->document().views[0].environment.vectorFieldOn, 1);
        menu->hide();
    }

    void translationAndRotationByDrag()
    {
        startProgram("Lorenz");
        ViewSlot& slot = program_->document().views[0];
        slot.environment.pointerState = PointerState::TranslationRotation;
        const Vector3 start = slot.objectTransform.position();
        pressAt(QPoint(400, 300));
        drag({QPoint(450, 300), QPoint(500, 300)});
        release();
        QTRY_VERIFY(slot.objectTransform.position().x > start.x + 0.5);
        frameAfterTicks();
        saveScreenShot(QStringLiteral("translation_drag"));

        const Matrix4 turnedFrom = slot.objectTransform.orientation();
        QCOMPARE(QProcess::execute(xdotool_, {"keydown", "ctrl"}), 0);
        pressAt(QPoint(400, 300));
        drag({QPoint(440, 300), QPoint(480, 300)});
        release();
        QCOMPARE(QProcess::execute(xdotool_, {"keyup", "ctrl"}), 0);
        QTRY_VERIFY(slot.objectTransform.orientation().m[0] < turnedFrom.m[0] - 0.1);
        frameAfterTicks();
        saveScreenShot(QStringLiteral("rotation_drag"));
    }

private:
    template <typename W>
    W* findTopLevel()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<W*>(widget); found && found->isVisible())
                return found;
        }
        return nullptr;
    }

    void startProgram(const char* model)
    {
        xdotool_ = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        QVERIFY2(!xdotool_.isEmpty(), "xdotool is missing (scripts/install-deps installs it)");
        program_->startShowing({model});
        if (QTest::currentTestFailed())
            return;
        program_->app().frame().activateWindow();
        QTRY_VERIFY(program_->app().frame().isActiveWindow());
        QTRY_COMPARE(program_->document().views[0].engine.orbitReady, 1);
        frameAfterTicks();
    }

    void xdo(const QStringList& arguments) { QCOMPARE(QProcess::execute(xdotool_, arguments), 0); }

    void pressAt(const QPoint& at)
    {
        const QPoint global = program_->app().view().mapToGlobal(at);
        xdo({"mousemove", QString::number(global.x()), QString::number(global.y())});
        frameAfterTicks();
        xdo({"mousedown", "1"});
        frameAfterTicks();
    }

    // Moves the held pointer through the points, a few frames at each.
    void drag(const std::vector<QPoint>& points)
    {
        for (const QPoint& at : points) {
            const QPoint global = program_->app().view().mapToGlobal(at);
            xdo({"mousemove", QString::number(global.x()), QString::number(global.y())});
            frameAfterTicks();
        }
    }

    void release()
    {
        xdo({"mouseup", "1"});
        frameAfterTicks();
    }

    QImage frameAfterTicks()
    {
        QSignalSpy frames(&program_->app().view(), &CPsView::frameSwapped);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 4, 3000); }();
        return program_->app().view().grabFramebuffer();
    }

    // The middle of the view, where the pointer sphere starts, four times
    // enlarged; saved as NAME.png with the screenshots.
    QImage sphereCloseUp(const char* name)
    {
        const QImage frame = frameAfterTicks();
        QRect middle(0, 0, 60, 60);
        middle.moveCenter(frame.rect().center());
        const QImage closeUp = frame.copy(middle).scaled(240, 240);
        const QString folder = qEnvironmentVariable("ATTRAVA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            closeUp.save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        return closeUp;
    }

    QString xdotool_;
    std::unique_ptr<RunningProgram> program_;
};

QTEST_MAIN(PresentationRoadTest)
#include "presentation_road_test.moc"
