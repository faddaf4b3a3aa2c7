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
    // Both tools in one call: it reboots a phone in normal or in fastboot mode.
    ConfirmAndRun(host, "确认重新启动?", "cmd /c adb reboot&fastboot reboot");
}

void RebootToRecovery(Host& host) {
    ConfirmAndRun(host, "确认重启到Recovery?", "cmd /c adb reboot recovery");
}

void RebootToBootloader(Host& host) {
    ConfirmAndRun(host, "确认重启到重启到Fastboot?", "cmd /c adb reboot bootloader");
}

}  // namespace tarnwick::flash
