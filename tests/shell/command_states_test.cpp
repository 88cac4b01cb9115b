// First the keys F12, Pause and Ctrl+S in the fresh program. Then every
// command of the menu bar, the context menu and the toolbar, walked in the
// running program through the states that change what they show: no
// orbit, an orbit ready, each colouring with the vector field, the probe and
// a tool window, an empty active view among two, "ALL View", a time series
// started from the context menu, and the three display modes. In each state
// every item's enabled state and check mark, as its menu shows them on
// opening and as the toolbar shows them while idle, is compared with a
// table written from the command rules.
#include "running_program.h"

#include "dialogs/series_file_dialog.h"
#include "shell/command_actions.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/model_start.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>

#include <algorithm>
#include <map>

using namespace CommandId;
using namespace dialogtest;

namespace {

// The commands in the order of the state strings below, grouped as there:
// Menu | presentation | tools | options | device | display | views | scale | axes | help.
std::vector<int> commandsInOrder()
{
    std::vector<int> ids = {
        ModelAnalysis, ModelAnalysisSingleView, SeriesAnalysis, SeriesAnalysisSingleView, SaveViewImage, AppExit,
        AttractorStructure, VelocityDistribution, LocalLyapunov, VectorField, TranslateRotate,
        AssignInitialValue, LocalInformation,
        SamplingSetting, ParameterSetting, LyapunovSpectrum, SpectrumResponse, LyapunovDimension,
        DimensionResponse, RecurrencePlot, EquationDisplay, SeriesDisplay, ColourBar, ReconstructionSetting,
        AnalysisSeriesDisplay, ParameterScan,
        DefaultParameters, EnvironmentSetting, LanguageJapanese, LanguageEnglish,
        DeviceMouse, DevicePhantom, DeviceSpidar,
        DisplayNormal, DisplayUpDown, DisplayLeftRight, StereoGap,
        OneView, TwoViews, FourViews, NineViews, AllViews,
    };
    for (const ScaleCommand& scale : scaleCommands())
        ids.push_back(scale.id);
    ids.insert(ids.end(), {ScaleFree, ScaleAuto, AxisDisplay, PositionReset, AppAbout});
    return ids;
}

// How an item shows: '.' disabled, 'o' enabled, 'x' enabled and checked,
// '*' disabled and checked.
QChar shown(const QAction* action)
{
    if (action->isEnabled())
        return action->isChecked() ? 'x' : 'o';
    return action->isChecked() ? '*' : '.';
}

int commandOf(const QAction* action) { return action->property("commandId").toInt(); }

struct Item {
    QString where;
    QAction* action;
};

// Every command item of the menu and its sub-menus, each menu brought up to
// date as when it opens.
void collectItems(QMenu* menu, const QString& where, std::vector<Item>& items)
{
    emit menu->aboutToShow();
    for (QAction* action : menu->actions()) {
        if (action->menu())
            collectItems(action->menu(), where + " > " + action->text(), items);
        else if (commandOf(action) != 0)
            items.push_back({where + " > " + action->text(), action});
    }
}

// The differences between the items and the expected state string.
QStringList mismatches(const std::vector<Item>& items, const QString& expected)
{
    const QString marks = QString(expected).remove(' ');
    const std::vector<int> ids = commandsInOrder();
    if (marks.size() != static_cast<qsizetype>(ids.size()))
        return {QStringLiteral("the state string has %1 marks for %2 commands").arg(marks.size()).arg(ids.size())};
    std::map<int, QChar> wanted;
    for (std::size_t i = 0; i < ids.size(); ++i)
        wanted[ids[i]] = marks[static_cast<qsizetype>(i)];
    QStringList wrong;
    for (const Item& item : items) {
        const auto it = wanted.find(commandOf(item.action));
        if (it == wanted.end())
            wrong << item.where + QStringLiteral(": not in the table");
        else if (shown(item.action) != it->second)
            wrong << QStringLiteral("%1 (%2): shows %3, expected %4")
                         .arg(item.where).arg(it->first).arg(shown(item.action)).arg(it->second);
    }
    return wrong;
}

}  // namespace

// A later state means little once one has failed.
#define EXPECT_STATE(state, marks)                                                                 \
    do {                                                                                           \
        expect(state, marks);                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

class CommandStatesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        StartOptions options;
        options.splashEnabled = false;
        program_.start(options);
        // Two more modes, so that both stereo displays can be entered.
        program_.screen().offered = {{1280, 1024, 24, 60}, {1024, 768, 32, 60}, {1280, 480, 16, 60}};
    }

    void cleanupTestCase() { program_.stop(); }

    // Pause stops and starts the drawing, F12 writes the next capture into
    // the working folder, Ctrl+S saves the view as a PNG image.
    void theAcceleratorsWork()
    {
        CPsView& view = program_.app().view();
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Pause);
        QCOMPARE(view.timersRunning(), 0);
        QTest::keyClick(&view, Qt::Key_Pause);
        QCOMPARE(view.timersRunning(), 1);

        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const QString capture = QStringLiteral("CapturedScene[%1].ppm").arg(captureCounter);
        QTest::keyClick(&view, Qt::Key_F12);
        QDir::setCurrent(previous);
        QVERIFY2(QFileInfo(folder.filePath(capture)).size() > 0, qPrintable(capture));

        const QString image = folder.filePath(QStringLiteral("view.png"));
        bool missed = false;
        whenModal<QFileDialog>([&](QFileDialog* files) {
            files->selectFile(image);
            QMetaObject::invokeMethod(files, "accept");
        }, &missed);
        CMainFrame& frame = program_.app().frame();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        // No menu has been opened yet: the idle refresh enables the key.
        QTRY_VERIFY(frame.commandActions().action(SaveViewImage)->isEnabled());
        QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!missed && QFileInfo::exists(image));
        QCOMPARE(QImage(image).size(), view.grabFramebuffer().size());
    }

    void everyItemFollowsItsRuleInEveryState()
    {
        CUser& document = program_.document();
        //                   Menu   presentation tools          options device display views  scale           axes help
        EXPECT_STATE("no orbit",   "oooooo ....*.. ............. .oxo x.. xoo. xooo. oooox oooooo oo .. o");

        ModelStart lorenz;
        lorenz.modelName = "Lorenz";
        QVERIFY(startModelOnView(document, 0, lorenz, program_.reporter()));
        run(scaleCommands()[7].id);  // "x 0.05"
        EXPECT_STATE("orbit ready", "oooooo xoooxo. ooooooooo...o ooxo x.. xoo. xooo. ooooooox ooo oo oo o");

        run(VelocityDistribution);
        EXPECT_STATE("velocity",    "oooooo oxooxo. oooooooooo..o ooxo x.. xoo. xooo. ooooooox ooo oo oo o");

        // The local Lyapunov colouring, then the field, its probe (which
        // ends the pointer tool), the axes and the equation window.
        for (int id : {LocalLyapunov, VectorField, LocalInformation, AxisDisplay, EquationDisplay})
            run(id);
        EXPECT_STATE("local Lyapunov, field, probe, axes, equations",
                              "oooooo ooxxoox oooooooxoo..o ooxo x.. xoo. xooo. ooooooox ooo oo xo o");

        // Two views with the empty one active: the view items are disabled
        // and keep their marks.
        run(TwoViews);
        clickView(0.9);
        QCOMPARE(document.activeView, 1);
        EXPECT_STATE("empty active view",
                              "oooooo ..***.. .......*..... .oxo x.. xoo. oxooo oooox oooooo oo *. o");

        // "ALL View" on the view with the orbit: enabled items, no marks,
        // except the probe's, which follows the active view alone.
        clickView(0.1);
        QCOMPARE(document.activeView, 0);
        run(AllViews);
        EXPECT_STATE("ALL View",    "oooooo oooooox oooooooooo..o ooxo x.. xoo. oxoox ooooooox ooo oo oo o");

        // "このビューで時系列解析" from the context menu: one view, the
        // shipped sunspot numbers, the reconstruction window open.
        startSunspotsFromTheContextMenu();
        QCOMPARE(document.viewCount, 1);
        QVERIFY(document.activeSlot().environment.dataSource == DataSource::Series);
        EXPECT_STATE("time series", "oooooo xo..x.. ......o.o.xo. .oxo x.. xoo. xooo. oooox oooooo oo xo o");

        run(DisplayUpDown);
        EXPECT_STATE("up and down", "oooooo xo..x.. ......o.o.xo. .oxo x.. oxoo xooo. oooox oooooo oo xo o");
        run(DisplayLeftRight);
        EXPECT_STATE("left and right",
                              "oooooo xo..x.. ......o.o.xo. .oxo x.. oox. xooo. oooox oooooo oo xo o");
        run(DisplayNormal);
        EXPECT_STATE("normal",      "oooooo xo..x.. ......o.o.xo. .oxo x.. xoo. xooo. oooox oooooo oo xo o");
    }

private:
    // Chooses the item as the user would: its menu opens first.
    void run(int id)
    {
        CommandActions& actions = program_.app().frame().commandActions();
        actions.refreshAll();
        QAction* item = actions.action(id);
        QVERIFY2(item->isEnabled(), qPrintable(item->text()));
        item->trigger();
    }

    // A left click at that share of the view's width, half-way down.
    void clickView(double across)
    {
        CPsView& view = program_.app().view();
        QTest::mouseClick(&view, Qt::LeftButton, {},
                          QPoint(static_cast<int>(across * view.width()), view.height() / 2));
    }

    // The toolbar while idle, then the menu bar and the context menu as they
    // open, against the state string.
    void expect(const char* state, const QString& marks)
    {
        CMainFrame& frame = program_.app().frame();
        std::vector<Item> buttons;
        for (QAction* button : frame.commandBar()->actions()) {
            if (!button->isSeparator())
                buttons.push_back({QStringLiteral("toolbar > ") + button->toolTip(), button});
        }
        QTRY_VERIFY2_WITH_TIMEOUT(mismatches(buttons, marks).isEmpty(),
                                  qPrintable(QStringLiteral("%1: %2").arg(state, mismatches(buttons, marks).join("; "))),
                                  2000);

        std::vector<Item> items;
        for (QAction* popup : frame.menuBar()->actions())
            collectItems(popup->menu(), popup->text(), items);
        collectItems(frame.contextMenu(), QStringLiteral("context"), items);
        QStringList wrong = mismatches(items, marks);
        // Every command of the table is somewhere in the menus.
        for (int id : commandsInOrder()) {
            if (std::none_of(items.begin(), items.end(), [id](const Item& item) { return commandOf(item.action) == id; }))
                wrong << QStringLiteral("%1 is in no menu").arg(id);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(state, wrong.join("; "))));
    }

    void startSunspotsFromTheContextMenu()
    {
        QMenu* menu = program_.app().frame().contextMenu()->actions().front()->menu();
        QAction* start = nullptr;
        for (QAction* action : menu->actions()) {
            if (commandOf(action) == SeriesAnalysisSingleView)
                start = action;
        }
        QVERIFY(start);
        QCOMPARE(start->text(), QStringLiteral("このビューで時系列解析"));
        bool missed = false;
        whenModal<CSeriesFileDialog>([&](CSeriesFileDialog* dialog) {
            whenModal<QFileDialog>([](QFileDialog* files) {
                files->selectFile(QStringLiteral(ATTRAVA_PROGRAM_DIR "/data/sunspots.txt"));
                QMetaObject::invokeMethod(files, "accept");
            }, &missed);
            QTest::mouseClick(dialog->findChild<QPushButton*>("browseButton"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        }, &missed);
        start->trigger();
        QVERIFY(!missed);
    }

    RunningProgram program_;
};

QTEST_MAIN(CommandStatesTest)
#include "command_states_test.moc"
