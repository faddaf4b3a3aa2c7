#pragma once
// The host as the program sees it: the system's operations of PlatformHost completed by Qt's
// message boxes, file and folder dialogs, shell open and the waits that keep the windows
// repainting.

#include "host/host.h"
#include "ui/waits.h"

namespace tarnwick::ui {

class QtHost : public PlatformHost {
public:
    // A walker given replaces the file system's walk (for the tests of the wait).
    explicit QtHost(FolderWalker walker = nullptr);

    int ShowMessage(const Text& content, int style,
                    std::optional<Text> title = std::nullopt) override;
    void Pause(int milliseconds) override;
    void AppendLog(LogBox& box, const Text& text) override;
    Text ChooseFolder(const Text& instruction,
                      std::optional<bool> includeFiles = std::nullopt) override;
    void ShellOpen(int verb, const Text& target, std::optional<Text> parameters = std::nullopt,
                   std::optional<Text> directory = std::nullopt,
                   std::optional<int> windowMode = std::nullopt) override;

protected:
    bool OpenChooser(FileChooser& chooser) override;

private:
    QtProcessWait processWait_;
};

}  // namespace tarnwick::ui
