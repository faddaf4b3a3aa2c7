// The recording host: its record is what handler tests compare, so its form must hold.
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

namespace tarnwick::testing {
namespace {

class StringLog : public LogBox {
public:
    void AppendAtEnd(const Text& text) override { content = content + text; }
    Text content;
};

TEST(FakeHost, RecordsEveryCallInOrderAndAnswersFromItsScript) {
    FakeHost host;
    host.messageResults = {1};
    host.commandResults["cmd /c fastboot flash recovery recovery.img"] = {true, 1};
    host.commandResults["missing"] = {false, 0};
    StringLog log;

    host.AppendLog(log, "正在部署...\r\n");
    EXPECT_EQ(host.RunCommand("cmd /c fastboot flash recovery recovery.img", true, 1),
              (CommandResult{true, 1}));
    EXPECT_FALSE(host.RunCommand("missing", true, 1).started);
    EXPECT_TRUE(host.RunCommand("cmd /c adb reboot", true).Succeeded());
    EXPECT_EQ(host.ShowMessage("立即进入Recovery?", 1, "重启?"), 1);
    EXPECT_EQ(host.ShowMessage("\"引号\" \\", 0, ""), 0);
    EXPECT_EQ(host.ShowMessage("无标题", 0), 0);
    host.Pause(2500);

    EXPECT_EQ(log.content, "正在部署...\r\n");
    const std::vector<std::string> expected = {
        R"(AppendLog("正在部署...\r\n"))",
        R"(RunCommand("cmd /c fastboot flash recovery recovery.img", true, 1) -> exit 1)",
        R"(RunCommand("missing", true, 1) -> not started)",
        R"(RunCommand("cmd /c adb reboot", true) -> exit 0)",
        R"(ShowMessage("立即进入Recovery?", 1, "重启?") -> 1)",
        R"(ShowMessage("\"引号\" \\", 0, "") -> 0)",
        R"(ShowMessage("无标题", 0) -> 0)",
        R"(Pause(2500))",
    };
    EXPECT_EQ(host.calls(), expected);
}

TEST(FakeHost, KeepsFilesInMemory) {
    FakeHost host;
    EXPECT_TRUE(host.WriteFile("command.txt", {"boot-recovery\n", "--wipe_data\n"}));
    EXPECT_FALSE(host.WriteFile("", {"x"}));
    EXPECT_EQ(host.ReadFile("command.txt"), "boot-recovery\n--wipe_data\n");
    EXPECT_TRUE(host.DeleteFile("command.txt"));
    EXPECT_FALSE(host.DeleteFile("command.txt"));
    EXPECT_EQ(host.ReadFile("command.txt"), "");
    EXPECT_EQ(host.calls().front(),
              R"(WriteFile("command.txt", "boot-recovery\n", "--wipe_data\n") -> true)");
    EXPECT_EQ(host.calls().back(), R"(ReadFile("command.txt") -> "")");
}

TEST(FakeHost, CommandEffectsChangeTheFilesWhenTheirLineRuns) {
    FakeHost host;
    host.commandEffects["cmd /c copy /y a.img recovery.img"] = [](FakeHost& fake) {
        fake.files["recovery.img"] = "image";
    };
    EXPECT_FALSE(host.FileExists("recovery.img"));
    host.RunCommand("cmd /c copy /y b.img recovery.img", true, 1);
    EXPECT_FALSE(host.FileExists("recovery.img"));
    host.RunCommand("cmd /c copy /y a.img recovery.img", true, 1);
    EXPECT_TRUE(host.FileExists("recovery.img"));
    EXPECT_EQ(host.files["recovery.img"], "image");
    const std::vector<std::string> expected = {
        R"(FileExists("recovery.img") -> false)",
        R"(RunCommand("cmd /c copy /y b.img recovery.img", true, 1) -> exit 0)",
        R"(FileExists("recovery.img") -> false)",
        R"(RunCommand("cmd /c copy /y a.img recovery.img", true, 1) -> exit 0)",
        R"(FileExists("recovery.img") -> true)",
    };
    EXPECT_EQ(host.calls(), expected);
}

TEST(FakeHost, ChooserKeepsItsFileNameWhenCancelled) {
    FakeHost host;
    host.chooserPaths = {Text("C:\\img\\twrp.img"), std::nullopt};
    FileChooser chooser;
    chooser.filter = "IMG文件(*.img)|*.img";
    EXPECT_TRUE(host.ChooseOpenFile(chooser));
    EXPECT_EQ(chooser.fileName, "C:\\img\\twrp.img");
    EXPECT_FALSE(host.ChooseOpenFile(chooser));
    EXPECT_FALSE(host.ChooseSaveFile(chooser));  // the script is used up: cancel
    EXPECT_EQ(chooser.fileName, "C:\\img\\twrp.img");
    EXPECT_EQ(host.calls()[1],
              R"(ChooseFile(0, "IMG文件(*.img)|*.img", "C:\\img\\twrp.img") -> cancelled)");
}

}  // namespace
}  // namespace tarnwick::testing
