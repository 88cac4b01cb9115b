// Shows the main frame with a few commands registered, opens its menus,
// dialogs and the splash one after another and saves a screenshot of each
// into the folder given on the command line. For looking at the shell by eye.
#include "dialogs/magnification_dialog.h"
#include "models/reporter.h"
#include "shell/about_dialog.h"
#include "shell/command_ids.h"
#include "shell/command_router.h"
#include "shell/gap_parallax_dialog.h"
#include "shell/japanese_font.h"
#include "shell/main_frame.h"
#include "shell/program_pictures.h"
#include "shell/randr_display_settings.h"
#include "shell/splash_window.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

void saveScreen(const QString& path)
{
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    useJapaneseApplicationFont();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    CommandRouter router;
    RandrDisplaySettings display;
    CollectingReporter reporter;
    CMainFrame frame(router, display, reporter);

    int viewCount = 1;
    bool axes = true;
    for (int id : {CommandId::OneView, CommandId::TwoViews, CommandId::FourViews, CommandId::NineViews}) {
        const int count = id == CommandId::OneView ? 1 : id == CommandId::TwoViews ? 2 : id == CommandId::FourViews ? 4 : 9;
        router.setHandler(id, [&viewCount, count] { viewCount = count; });
        router.setUpdateRule(id, [&viewCount, count] { return CommandState{true, viewCount == count}; });
    }
    router.setHandler(CommandId::AxisDisplay, [&] { axes = !axes; });
    router.setUpdateRule(CommandId::AxisDisplay, [&] { return CommandState{true, axes}; });
    for (int id : {CommandId::ModelAnalysis, CommandId::SeriesAnalysis, CommandId::EnvironmentSetting,
                   CommandId::AttractorStructure, CommandId::PositionReset, 33796, CommandId::ScaleFree})
        router.setHandler(id, [] {});
    router.setUpdateRule(33796, [] { return CommandState{true, true}; });
    frame.resize(1000, 700);
    frame.show();

    QMenu* options = frame.menuBar()->actions()[3]->menu();
    QMenu* scale = nullptr;
    for (QAction* action : options->actions()) {
        if (action->menu() && action->text() == "スケール")
            scale = action->menu();
    }

    std::vector<std::function<void()>> steps = {
        [&] {
            frame.grab().save(folder + "/frame.png");
            const QPixmap bar = frame.commandBar()->grab();
            bar.scaled(bar.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(folder + "/toolbar_x4.png");
            drawSplashBitmap().save(folder + "/splash_bitmap.png");
            drawProgramIcon(48).save(folder + "/program_icon.png");
        },
        [&] { options->popup(frame.mapToGlobal(frame.menuBar()->actionGeometry(frame.menuBar()->actions()[3]).bottomLeft())); },
        [&] { scale->popup(options->geometry().topRight() + QPoint(0, 120)); },
        [&] { saveScreen(folder + "/menu_options.png"); scale->close(); options->close(); },
        [&] { frame.showContextMenu(QPoint(400, 300)); },
        [&] { saveScreen(folder + "/context_menu.png"); frame.contextMenu()->close(); },
        [&] {
            auto* about = new CAboutDlg(&frame);
            about->setAttribute(Qt::WA_DeleteOnClose);
            about->show();
            QTimer::singleShot(300, about, [about, folder] { about->grab().save(folder + "/about.png"); about->close(); });
        },
        [&] {
            auto* gap = new CGapParallaxDialog(16.0, 0.03, &frame);
            gap->setAttribute(Qt::WA_DeleteOnClose);
            gap->show();
            QTimer::singleShot(300, gap, [gap, folder] { gap->grab().save(folder + "/gap_dialog.png"); gap->close(); });
        },
        [&] {
            auto* free = new CMagnificationDialog(0.05, reporter, &frame);
            free->setAttribute(Qt::WA_DeleteOnClose);
            free->show();
            QTimer::singleShot(300, free, [free, folder] { free->grab().save(folder + "/x_free.png"); free->close(); });
        },
        [&] { CSplashWnd::showSplashScreen(&frame, true, [] {}); },
        [&] { saveScreen(folder + "/splash.png"); },
        [&] { app.quit(); },
    };
    for (std::size_t i = 0; i < steps.size(); ++i)
        QTimer::singleShot(static_cast<int>(800 + 600 * i), &app, steps[i]);
    return app.exec();
}
