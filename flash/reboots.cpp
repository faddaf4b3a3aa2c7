#include "flash/reboots.h"

#include "flash/flash_steps.h"

namespace tarnwick::flash {

namespace {

void ConfirmAndRun(Host& host, const Text& question, const Text& commandLine) {
    if (host.ShowMessage(question, 1, "请确认...") == MessageOk) {
        Run(host, commandLine);
    }
}

}  // namespace

void RebootToSystem(Host& host) {
    // fastboot runs only when adb could not reboot the phone, e.g. a phone in the bootloader,
    // which adb does not see; after a successful adb reboot it would wait for a phone forever.
    ConfirmAndRun(host, "确认重新启动?", "cmd /c adb reboot||fastboot reboot");
}

void RebootToRecovery(Host& host) {
    ConfirmAndRun(host, "确认重启到Recovery?", "cmd /c adb reboot recovery");
}

void RebootToBootloader(Host& host) {
    ConfirmAndRun(host, "确认重启到重启到Fastboot?", "cmd /c adb reboot bootloader");
}

}  // namespace tarnwick::flash
