#include "app/console_start.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::app {

namespace {

constexpr const char* kUsage =
    "Usage: tarnwick             打开主窗口 (opens the home window)\n"
    "   or: tarnwick --version   显示版本 (prints the version)\n";

// A message of the toolkit's, held back while the platform starts.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

struct StartMessages {
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

StartMessages& Messages() {
    static StartMessages messages;
    return messages;
}

// The first line of the platform's first message, in English: why it could not start.
std::string PlatformReason(const QString& fatal) {
    QString reason = fatal;
    for (const HeldMessage& message : Messages().held) {
        if (message.category.starts_with("qt.qpa")) {
            reason = message.text;
            break;
        }
    }
    return reason.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString();
}

// The toolkit ends the program when no platform can start: one line is printed instead of its
// messages. Until then they are held, and passed on once the platform has started.
void HoldOrTell(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        Messages().held.push_back(
            {type, context.category != nullptr ? context.category : "", text});
        return;
    }
    const std::string english = PlatformReason(text);
    const char* display = std::getenv("DISPLAY");
    const bool noDisplay = display == nullptr || *display == '\0';
    const bool unreached = english.starts_with("could not connect to display");
    const std::string chinese = !unreached  ? "图形界面插件无法启动"
                                : noDisplay ? "未设置显示器(DISPLAY)"
                                            : std::string("无法连接到显示器 ") + display;
    std::fprintf(
        stderr, "tarnwick: 无法打开图形界面: %s (cannot open the graphical interface: %s%s)\n",
        chinese.c_str(), english.c_str(), unreached && noDisplay ? ", DISPLAY is not set" : "");
    std::_Exit(1);
}

}  // namespace

std::optional<int> AnswerArguments(int argc, const char* const* argv) {
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--version") {
            std::printf("tarnwick %s\n", TARNWICK_VERSION);
            return 0;
        }
        if (argument == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

MissingDisplayLine::MissingDisplayLine() {
    Messages().previous = qInstallMessageHandler(HoldOrTell);
}

MissingDisplayLine::~MissingDisplayLine() {
    qInstallMessageHandler(Messages().previous);
    for (const HeldMessage& message : Messages().held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        Messages().previous(message.type, context, message.text);
    }
    Messages().held.clear();
}

}  // namespace tarnwick::app
