#include "flash/flash_steps.h"

#include "steps/countdown.h"

namespace tarnwick::flash {

void StartFlashLog(ui::FlashWindow& w) {
    w.显示框.setVisible(true);
    w.显示窗.setContent("请勿断开手机连接...\r\n");
}

void Log(ui::FlashWindow& w, Host& host, const Text& text) {
    host.AppendLog(w.显示窗, text);
}

void DotCountdown(ui::FlashWindow& w, Host& host, int milliseconds) {
    ::tarnwick::DotCountdown(w.显示窗, host, "请稍等...\r\n", milliseconds);
}

}  // namespace tarnwick::flash
