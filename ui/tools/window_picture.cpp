// window_picture: builds one of the five windows from its template, shows it and saves a
// picture of it. For the README and for review; the program itself takes no arguments.
//
//   window_picture home|push|flash|compile|info OUTPUT.png
#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <map>
#include <string>

#include "ui/templates.h"
#include "ui/window.h"

int main(int argc, char** argv) {
    using namespace tarnwick::ui;
    const std::map<std::string, const WindowTemplate& (*)()> templates = {
        {"home", HomeWindowTemplate},   {"push", PushWindowTemplate},
        {"flash", FlashWindowTemplate}, {"compile", CompileWindowTemplate},
        {"info", InfoWindowTemplate},
    };
    const auto found = argc == 3 ? templates.find(argv[1]) : templates.end();
    if (found == templates.end()) {
        std::fputs("usage: window_picture home|push|flash|compile|info OUTPUT.png\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    // The pointer off every window (a centred window would lie under it), so no button shows
    // its pointer-over picture.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    const std::unique_ptr<Window> window = BuildWindow(found->second());
    window->Show();
    QApplication::processEvents();
    return window->widget()->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
