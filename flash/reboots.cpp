#include "flash/reboots.h"

#include <optional>

#include "flash/flash_steps.h"

namespace tarnwick::flash {

namespace {

// Without a log view, a reboot that failed is told in a warning of its own: otherwise the user
// would wait for a phone that is not coming.
void ConfirmAndReboot(Host& host, const Text& question, const Text& commandLine) {
    if (host.ShowMessage(question, 1, "请确认...") != MessageOk) {
        return;
    }
    if (const std::optional<Text> failure = RunReboot(host, commandLine)) {
        // Its lines end in CR LF; the box needs no empty line below them.
        host.ShowMessage("重启失败!\r\n\r\n" + LeftText(*failure, TextLength(*failure) - 2), 0,
                         "警告!");
    }
}

}  // namespace

void RebootToSystem(Host& host) {
    // fastboot runs only when adb could not reboot the phone, e.g. a phone in the bootloader,
    // which adb does not see; after a successful adb reboot it would wait for a phone forever.
    // The line fails only when both failed, and it has fastboot's exit code then.
    ConfirmAndReboot(host, "确认重新启动?", "cmd /c adb reboot||fastboot reboot");
}

void RebootToRecovery(Host& host) {
    ConfirmAndReboot(host, "确认重启到Recovery?", "cmd /c adb reboot recovery");
}

void RebootToBootloader(Host& host) {
    ConfirmAndReboot(host, "确认重启到重启到Fastboot?", "cmd /c adb reboot bootloader");
}

}  // namespace tarnwick::flash
