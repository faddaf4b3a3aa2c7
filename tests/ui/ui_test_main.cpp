// The window tests run on Qt's offscreen platform, so no window reaches a screen, with Qt
// started as the program starts it.
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/qt_start.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tarnwick::ui::QtCommandLine commandLine;
    QApplication application(commandLine.count, commandLine.values);
    tarnwick::ui::LoadQtChineseTexts();
    return RUN_ALL_TESTS();
}
