#include "steps/countdown.h"

namespace tarnwick {

void DotCountdown(LogBox& log, Host& host, const Text& heading, int milliseconds) {
    host.AppendLog(log, heading);
    host.Pause(milliseconds);
    host.AppendLog(log, " . ");
    host.Pause(milliseconds);
    for (int dot = 0; dot < 10; ++dot) {
        host.AppendLog(log, ". ");
        host.Pause(milliseconds);
    }
    host.AppendLog(log, ". \r\n");
    host.Pause(milliseconds);
}

}  // namespace tarnwick
