// The program attrava: the heap is kept for a software renderer, the OpenGL
// surface format and the GLUT fonts are set up, the start options are read,
// the working directory becomes the work folder (the program's folder, or the
// user's own for an install shared by all users: the model list, its library
// and the captures live there), and the program runs until its main window
// closes.
#include "dialogs/message_box_reporter.h"
#include "models/model_library.h"
#include "shell/attrava_app.h"
#include "shell/japanese_font.h"
#include "shell/interface_language.h"
#include "shell/program_folders.h"
#include "shell/randr_display_settings.h"
#include "shell/start_options.h"
#include "settings/profile_file.h"
#include "settings/program_settings.h"
#include "view/gl_start.h"
#include "view3d/objects/renderer_heap.h"

#include <QApplication>
#include <QSurfaceFormat>

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv)
{
    // The summary needs no display, so it comes before the toolkit's
    // windowing starts.
    if (asksForHelp(std::vector<std::string>(argv + 1, argv + argc))) {
        const QCoreApplication summary(argc, argv);
        std::cout << startOptionsUsage();
        return 0;
    }
    keepRendererHeap();
    QSurfaceFormat::setDefaultFormat(viewSurfaceFormat());
    QApplication application(argc, argv);
    initialiseBitmapFonts(argv[0]);
    useJapaneseApplicationFont();

    std::vector<std::string> arguments;
    const QStringList given = QApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i)
        arguments.push_back(given[i].toStdString());
    const StartOptionsResult parsed = parseStartOptions(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "attrava: " << parsed.error << "\n" << startOptionsUsage();
        return 2;
    }

    const std::string installFolder = executableFolder();
    const ProgramFolders folders =
        chooseProgramFolders(installFolder, isWritableFolder(installFolder));
    const std::string prepared = prepareWorkFolder(folders);
    if (!prepared.empty())
        std::cerr << "attrava: " << prepared << "\n";
    std::error_code error;
    std::filesystem::current_path(folders.workFolder, error);
    if (error)
        std::cerr << "attrava: cannot work in " << folders.workFolder << ": " << error.message()
                  << "\n";

    // The texts' language must be set before the first window exists.
    ProgramSettings stored;
    stored.read(ProfileFile(folders.settingsFile));
    useInterfaceLanguage(parsed.options.language.value_or(stored.language));

    MessageBoxReporter reporter;
    RandrDisplaySettings display;
    CAttravaApp program(folders, display, reporter, parsed.options);
    program.start();
    return application.exec();
}
