// The three setting windows on the running program with the shipped Lorenz:
// dragging the slider of b from 28 to 100 changes the drawn attractor while
// the slider moves; the environment sheet's floor, colour and axes changes
// show at once, cancel brings the opening look back and "保存" writes the
// environment into the settings file, keeping its other lines; the default
// parameter sheet opens from its command. With ATTRAVA_SCREENSHOT_DIR set
// each window is saved as a PNG.
#include "running_program.h"

#include "dialogs/default_parameter_sheet.h"
#include "dialogs/environment_sheet.h"
#include "dialogs/parameter_dialog.h"
#include "orbit_picture.h"
#include "settings/profile_file.h"
#include "shell/command_ids.h"
#include "shell/japanese_font.h"
#include "shell/window_adapter.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>

namespace {

// The widget of the view's window in that table entry.
template <class W>
W* windowIn(CUser& document, int entry)
{
    auto* adapter = dynamic_cast<WindowAdapter<W>*>(document.views[0].windows[static_cast<std::size_t>(entry)].get());
    return adapter ? adapter->widget() : nullptr;
}

// The centre of the slider's handle in the slider's coordinates.
QPoint handleCentre(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

// Pixels whose colour is near (r, g, b) within 40 per channel.
int pixelsNear(const QImage& image, int r, int g, int b)
{
    int hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            hits += std::abs(c.red() - r) < 40 && std::abs(c.green() - g) < 40 && std::abs(c.blue() - b) < 40;
        }
    }
    return hits;
}

}  // namespace

class SettingWindowsRoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useJapaneseApplicationFont(); }

    void init()
    {
        program_ = std::make_unique<RunningProgram>();
        program_->startShowing({"Lorenz"});
    }

    void cleanup() { program_.reset(); }

    void draggingTheSliderOfBChangesTheAttractorWhileItMoves()
    {
        CUser& document = program_->document();
        QVERIFY(program_->app().router().execute(CommandId::ParameterSetting));
        auto* window = windowIn<CParameterDialog>(document, windowEntry(WindowKind::ParameterSetting));
        QVERIFY(window && window->isVisible());
        QVERIFY(program_->app().router().state(CommandId::ParameterSetting).checked.value());
        auto* slider = window->findChild<QSlider*>("parameterSlider1");
        QCOMPARE(slider->value(), 280);
        const DynamicsEngine& engine = document.views[0].engine;
        const QImage atStart = frameAfterTicks();
        saveScreenShot(QStringLiteral("parameter_window_lorenz"));

        QTest::mousePress(slider, Qt::LeftButton, {}, handleCentre(slider));
        QVERIFY(slider->isSliderDown());
        const int y = handleCentre(slider).y();
        StateVector last = engine.orbit.back();
        int changesSeen = 0;
        while (slider->value() < slider->maximum() && changesSeen < 20) {
            QTest::mouseMove(slider, QPoint(handleCentre(slider).x() + slider->width() / 8, y));
            // Each tick recomputes with the newest value, while the button is down.
            QTRY_VERIFY(!(engine.orbit.back() == last));
            QVERIFY(slider->isSliderDown());
            last = engine.orbit.back();
            ++changesSeen;
        }
        const QImage whileDragging = frameAfterTicks();
        saveScreenShot(QStringLiteral("parameter_window_lorenz_dragged"));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(slider->width() - 1, y));
        QCOMPARE(slider->value(), 1000);
        QCOMPARE(engine.recordInUse.Parameter_Default[1], 100.0);
        QTRY_COMPARE(engine.binding.parameterArg[1], 100.0);
        QVERIFY(changesSeen >= 3);
        QVERIFY(atStart != whileDragging);
        QVERIFY(orbitColourShare(whileDragging) > 0.001);
        QVERIFY(program_->reporter().messages.empty());
    }

    void environmentChangesShowAtOnceAndSaveKeepsTheOtherLines()
    {
        CUser& document = program_->document();
        EnvironmentSettings& environment = document.views[0].environment;
        environment.Axis_Flag_Display = 1;
        document.applyEnvironmentChange(EnvironmentChange::Axes);
        QVERIFY(program_->app().router().execute(CommandId::EnvironmentSetting));
        auto* sheet = windowIn<CEnvironmentSheet>(document, kEnvironmentSheetEntry);
        QVERIFY(sheet && sheet->isVisible());
        sheet->move(900, 40);
        auto* pages = sheet->findChild<QTabWidget*>("sheetPages");
        const QImage opening = frameAfterTicks();
        saveScreenShot(QStringLiteral("environment_sheet_page1"));

        radio(sheet, "チェック柄の床")->click();
        const QImage checked = frameAfterTicks();
        QVERIFY(checked != opening);
        QCOMPARE(environment.Wall_Type_Num, 2);

        sheet->chooseColour = [](const QColor&, bool) { return std::optional<QColor>(QColor(200, 0, 0)); };
        QTest::mouseClick(sheet->findChild<QPushButton*>("backgroundColour"), Qt::LeftButton);
        const QImage red = frameAfterTicks();
        QVERIFY(pixelsNear(red, 200, 0, 0) > red.width() * red.height() / 4);

        pages->setCurrentIndex(1);
        const QImage axesBefore = frameAfterTicks();
        radio(sheet, "箱型")->click();
        const QImage box = frameAfterTicks();
        QCOMPARE(environment.Axis_Num_Type, 1);
        QVERIFY(box != axesBefore);
        saveScreenShot(QStringLiteral("environment_sheet_page2"));
        pages->setCurrentIndex(2);
        saveScreenShot(QStringLiteral("environment_sheet_page3"));

        // Another line of the settings file written meanwhile stays.
        const std::filesystem::path iniPath = document.settingsFile;
        QCOMPARE(iniPath.filename().string(), std::string(kSettingsFileName));
        {
            ProfileFile other{iniPath};
            QVERIFY(other.setProfileString("Unrelated", "Keep", "this line"));
            QVERIFY(other.save());
        }
        sheet->pressSave();
        const ProfileFile saved{iniPath};
        QCOMPARE(saved.profileInt(kEnvironmentSection, "Wall_Type_Num", -1), 2);
        QCOMPARE(saved.profileInt(kEnvironmentSection, "Axis_Num_Type", -1), 1);
        QCOMPARE(saved.profileString("Unrelated", "Keep", ""), std::string("this line"));

        sheet->reject();
        QVERIFY(!sheet->isVisible());
        QVERIFY(!program_->app().router().state(CommandId::EnvironmentSetting).checked.has_value());
        const QImage restored = frameAfterTicks();
        QCOMPARE(restored.pixelColor(1, 1), opening.pixelColor(1, 1));
        QVERIFY(pixelsNear(restored, 200, 0, 0) < restored.width() * restored.height() / 100);
        QCOMPARE(environment.Wall_Type_Num, 1);
        QCOMPARE(environment.Axis_Num_Type, 0);
        QVERIFY(program_->reporter().messages.empty());
    }

    void theDefaultParameterSheetOpensForTheActiveView()
    {
        QVERIFY(program_->app().router().state(CommandId::DefaultParameters).enabled);
        QVERIFY(program_->app().router().execute(CommandId::DefaultParameters));
        auto* sheet = windowIn<CDefaultParameterSheet>(program_->document(), kDefaultParameterSheetEntry);
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(sheet->windowTitle(), QString("デフォルトパラメータの設定"));
        sheet->move(700, 40);
        frameAfterTicks();
        saveScreenShot(QStringLiteral("default_parameter_sheet"));
    }

private:
    static QRadioButton* radio(QWidget* sheet, const char* text)
    {
        for (QRadioButton* radio : sheet->findChildren<QRadioButton*>()) {
            if (radio->text() == QString::fromUtf8(text))
                return radio;
        }
        return nullptr;
    }

    QImage frameAfterTicks()
    {
        QSignalSpy frames(&program_->app().view(), &CPsView::frameSwapped);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 4, 3000); }();
        return program_->app().view().grabFramebuffer();
    }

    std::unique_ptr<RunningProgram> program_;
};

QTEST_MAIN(SettingWindowsRoadTest)
#include "setting_windows_road_test.moc"
