// The start-up floor: one empty frameless 260x450 window, with the same first-paint signal as
// the program.
#include <QApplication>
#include <QWidget>

#include "ui/first_paint_signal.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tarnwick::ui::SignalFirstPaint();
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(260, 450);
    window.show();
    return QApplication::exec();
}
