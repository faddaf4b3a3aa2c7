#include "flash/flash_dispatch.h"

#include "flash/reboots.h"
#include "flash/recovery_backup.h"
#include "flash/recovery_flash.h"
#include "flash/update_package.h"

namespace tarnwick::flash {

// The tests run in this order and the first that holds wins. A reboot option counts only
// while its family is selected; no preset item current (-1) selects nothing.
void RunSelectedOperation(ui::FlashWindow& w, Host& host) {
    if (w.重新启动.checked() && w.重启单选框.checked()) {
        return RebootToSystem(host);
    }
    if (w.重启到REC.checked() && w.重启单选框.checked()) {
        return RebootToRecovery(host);
    }
    if (w.重启到FAST.checked() && w.重启单选框.checked()) {
        return RebootToBootloader(host);
    }
    if (w.REC单选框.checked()) {
        if (w.刷入集成REC.checked() && w.选择集成REC.currentItem() == 0) {
            return FlashPresetImage(w, host, PresetImage::Find5);
        }
        if (w.刷入集成REC.checked() && w.选择集成REC.currentItem() == 1) {
            return FlashPresetImage(w, host, PresetImage::Find7);
        }
        if (w.刷入自定REC.checked()) {
            return FlashChosenImage(w, host);
        }
        if (w.备份.checked()) {
            return BackUpRecovery(w, host);
        }
        return;
    }
    if (w.ROM单选框.checked()) {
        return FlashUpdatePackage(w, host);
    }
}

}  // namespace tarnwick::flash
