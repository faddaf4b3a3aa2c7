#include "steps/commands.h"

namespace tarnwick {

void Run(Host& host, const Text& commandLine) {
    host.RunCommand(commandLine, true, 1);
}

bool RunWork(LogBox& log, Host& host, const Text& commandLine) {
    const CommandResult result = host.RunCommand(commandLine, true, 1);
    if (!result.started) {
        host.AppendLog(log, "命令无法执行: " + commandLine + "\r\n");
    } else if (result.exitCode != 0) {
        host.AppendLog(
            log, "命令执行失败(返回值" + ToText(result.exitCode) + "): " + commandLine + "\r\n");
    }
    return result.Succeeded();
}

}  // namespace tarnwick
