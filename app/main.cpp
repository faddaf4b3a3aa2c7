// Tarnwick's start-up: check the program folder, fix it as the program directory, open the home
// window, run the event loop.
#include <QApplication>
#include <cstdlib>
#include <optional>

#ifndef _WIN32
#include "app/console_start.h"
#endif
#include "app/program_folder_warning.h"
#include "app/user_program_folder_warning.h"
#include "app/window_manager.h"
#include "app/wiring.h"
#include "host/program_directory.h"
#include "ui/first_paint_signal.h"
#include "ui/qt_host.h"
#include "ui/qt_start.h"

namespace {

const tarnwick::Text kStartError = "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n";

}  // namespace

// On Linux the program answers --version and --help; otherwise it reads no arguments. On
// Windows Qt's own entry point calls this main, which Qt's headers rename, with them.
int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifndef _WIN32
    if (const std::optional<int> answered = tarnwick::app::AnswerArguments(argc, argv)) {
        return *answered;
    }
    std::optional<tarnwick::app::MissingDisplayLine> missingDisplay(std::in_place);
#endif
    tarnwick::ui::FontConfigurationReader fonts;
    tarnwick::ui::QtCommandLine commandLine;
    QApplication application(commandLine.count, commandLine.values);
#ifndef _WIN32
    missingDisplay.reset();
#endif
    QApplication::setQuitOnLastWindowClosed(false);  // the window manager decides
    // The menu entry the desktop shows the windows under (StartupWMClass there: tarnwick).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnwick.Tarnwick"));
    tarnwick::ui::LoadQtChineseTexts();
    tarnwick::ui::SignalFirstPaint();
    fonts.Finish();

    tarnwick::ui::QtHost host;
    const tarnwick::ProgramFolderChoice folder =
        tarnwick::ChooseProgramFolder(tarnwick::ExecutableFolder());
    if (const std::optional<tarnwick::Text> warning =
            folder.usable ? tarnwick::app::ProgramFolderWarning(folder.folder)
                          : tarnwick::app::UserProgramFolderWarning(folder.folder)) {
        host.ShowMessage(*warning, 0, "警告!");
        return 1;
    }
    tarnwick::app::WindowManager windows(
        tarnwick::app::WireWindows(host), [](int code) { std::exit(code); },
        [] { QCoreApplication::quit(); });
    if (!tarnwick::FixProgramDirectory(folder.folder) ||
        !windows.OpenWindow(tarnwick::app::WindowKind::Home)) {
        host.ShowMessage(kStartError, 0);
        return -1;
    }
    windows.SetLoopRunning();
    return QApplication::exec();
}
