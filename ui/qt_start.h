#pragma once
// How the program starts Qt: with its program name only, and with Qt's own texts in Simplified
// Chinese. The window tests start Qt the same way.

#include <thread>

namespace tarnwick::ui {

// The command line Qt is given: the program name and nothing else; the program reads no
// arguments. The name is the application's name, which the window system groups the program's
// windows by. It must outlive the application object.
struct QtCommandLine {
    QtCommandLine() = default;
    QtCommandLine(const QtCommandLine&) = delete;
    QtCommandLine& operator=(const QtCommandLine&) = delete;

    int count = 1;
    char name[9] = "tarnwick";
    char* values[2] = {name, nullptr};
};

// Reads the system's font configuration on a second thread while Qt starts, so that the first
// window's text need not wait for it (on Linux it is the largest single cost of start-up). The
// reading ends before the first window is built; fontconfig itself is safe to call from both.
class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader() { Finish(); }
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    void Finish();

private:
    std::thread reading_;
};

// Loads Qt's Simplified Chinese translations, whatever the system's language, so that the
// standard dialogs (file, save and folder choosers) and their buttons read Chinese. Call it
// once the application object exists; false when no translation file was found.
bool LoadQtChineseTexts();

}  // namespace tarnwick::ui
