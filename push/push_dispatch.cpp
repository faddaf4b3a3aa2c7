#include "push/push_dispatch.h"

#include "push/apk_install.h"
#include "push/card_push.h"
#include "push/system_push.h"

namespace tarnwick::push {

void RunSelectedPush(ui::PushWindow& w, Host& host) {
    if (w.APK单选框.checked()) {
        return InstallApk(w, host);
    }
    if (w.SD单选框.checked()) {
        return PushToMemoryCard(w, host);
    }
    if (w.SYS单选框.checked()) {
        // NOROOT: "使用免Root模式,需要重启手机."
        return w.NOROOT.checked() ? PushIntoSystemThroughRecovery(w, host)
                                  : PushIntoSystemWithRoot(w, host);
    }
}

}  // namespace tarnwick::push
