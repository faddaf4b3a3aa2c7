// Flashing a preset or a chosen recovery image, and booting a chosen one: the whole recorded
// sequence of each flow, the input checks, and how the user's files and a stale work file
// are treated.
#include "flash/recovery_flash.h"

#include "tests/flash/flash_window_test.h"

namespace tarnwick::flash::testing {
namespace {

constexpr const char* kDotLine = " . . . . . . . . . . . . \r\n";

Record FlashAndAnswer(bool bootNow, const std::string& flashResult = "exit 0",
                      const Record& afterFlash = Lines(R"(
AppendLog("操作已完成...\r\n"))")) {
    return Sequence({
        Lines(R"(
ShowMessage("如果您的手机已经重启,并且已经进入Fastboot模式.\r\n\r\n请点击 [确定] 开始刷入Recovery...", 0, "警告!") -> 0
Pause(1000))"),
        {R"(RunCommand("cmd /c fastboot flash recovery recovery.img", true, 1) -> )" + flashResult},
        afterFlash,
        bootNow ? Lines(R"(
ShowMessage("立即进入Recovery?", 1, "重启?") -> 0
RunCommand("cmd /c fastboot boot recovery.img", true, 1) -> exit 0
Pause(1000))")
                : Lines(R"(
ShowMessage("立即进入Recovery?", 1, "重启?") -> 1
RunCommand("cmd /c fastboot reboot", true, 1) -> exit 0)"),
    });
}

const Record kRebootToFastboot = Sequence({Lines(R"(
AppendLog("正在重启手机到Fastboot...\r\n")
RunCommand("cmd /c adb reboot bootloader", true, 1) -> exit 0)"),
                                           Countdown(2000)});

class PresetFlash : public FlashWindowTest {
protected:
    PresetFlash() {
        SelectFamily(w.REC单选框);
        SelectRecoveryOption(w.刷入集成REC);
        host.files["C:\\Tarnwick\\recovery\\find5_twrp_recovery.img"] = "find5";
        host.files["C:\\Tarnwick\\recovery\\find7_twrp_recovery.img"] = "find7";
    }
};

TEST_F(PresetFlash, Find5CopiesRebootsCountsDownFlashesAndBootsTheNewRecovery) {
    MakesWorkImage("cmd /c copy /y C:\\Tarnwick\\recovery\\find5_twrp_recovery.img recovery.img",
                   "find5");
    Bytes flashed;
    host.commandEffects["cmd /c fastboot flash recovery recovery.img"] =
        [&flashed](::tarnwick::testing::FakeHost& fake) { flashed = fake.files["recovery.img"]; };
    host.messageResults = {0, 0};

    FlashPresetImage(w, host, PresetImage::Find5);

    EXPECT_EQ(host.calls(), Sequence({Lines(R"(
ProgramDirectory() -> "C:\\Tarnwick"
FileExists("C:\\Tarnwick\\recovery\\find5_twrp_recovery.img") -> true
AppendLog("正在部署...\r\n")
Pause(1000)
DeleteFile("recovery.img") -> false
PathExists("recovery.img") -> false
RunCommand("cmd /c copy /y C:\\Tarnwick\\recovery\\find5_twrp_recovery.img recovery.img", true, 1) -> exit 0
AppendLog("文件已准备就绪...\r\n")
Pause(1000))"),
                                      kRebootToFastboot, FlashAndAnswer(true), Lines(R"(
DeleteFile("recovery.img") -> true)")}));
    EXPECT_EQ(flashed, "find5");
    EXPECT_TRUE(w.显示框.visible());
    EXPECT_EQ(w.显示窗.content(), Text("请勿断开手机连接...\r\n正在部署...\r\n文件已准备就绪...\r\n"
                                       "正在重启手机到Fastboot...\r\n请稍等...\r\n") +
                                      kDotLine + "操作已完成...\r\n");
    EXPECT_FALSE(host.files.contains("recovery.img"));
}

TEST_F(PresetFlash, Find7WithCancelRebootsThePhoneNormallyAndDeletesWithoutPause) {
    MakesWorkImage("cmd /c copy /y C:\\Tarnwick\\recovery\\find7_twrp_recovery.img recovery.img");
    host.messageResults = {0, 1};

    FlashPresetImage(w, host, PresetImage::Find7);

    EXPECT_EQ(host.calls(), Sequence({Lines(R"(
ProgramDirectory() -> "C:\\Tarnwick"
FileExists("C:\\Tarnwick\\recovery\\find7_twrp_recovery.img") -> true
AppendLog("正在部署...\r\n")
Pause(1000)
DeleteFile("recovery.img") -> false
PathExists("recovery.img") -> false
RunCommand("cmd /c copy /y C:\\Tarnwick\\recovery\\find7_twrp_recovery.img recovery.img", true, 1) -> exit 0
AppendLog("文件已准备就绪...\r\n")
Pause(1000))"),
                                      kRebootToFastboot, FlashAndAnswer(false), Lines(R"(
DeleteFile("recovery.img") -> true)")}));
}

TEST_F(PresetFlash, AMissingPresetImageIsReportedBeforeAnythingElse) {
    host.files.clear();
    FlashPresetImage(w, host, PresetImage::Find5);
    FlashPresetImage(w, host, PresetImage::Find7);
    EXPECT_EQ(host.calls(), Lines(R"(
ProgramDirectory() -> "C:\\Tarnwick"
FileExists("C:\\Tarnwick\\recovery\\find5_twrp_recovery.img") -> false
ShowMessage("集成的Recovery文件不存在!\r\n\r\n请将find5_twrp_recovery.img放入程序目录下的recovery文件夹!", 0, "警告!") -> 0
ProgramDirectory() -> "C:\\Tarnwick"
FileExists("C:\\Tarnwick\\recovery\\find7_twrp_recovery.img") -> false
ShowMessage("集成的Recovery文件不存在!\r\n\r\n请将find7_twrp_recovery.img放入程序目录下的recovery文件夹!", 0, "警告!") -> 0)"));
    EXPECT_FALSE(w.显示框.visible());
}

TEST_F(PresetFlash, AStaleWorkImageIsReplacedByTheCopySoThePresetIsFlashed) {
    host.files["recovery.img"] = "stale";
    MakesWorkImage("cmd /c copy /y C:\\Tarnwick\\recovery\\find5_twrp_recovery.img recovery.img",
                   "find5");
    Bytes flashed;
    host.commandEffects["cmd /c fastboot flash recovery recovery.img"] =
        [&flashed](::tarnwick::testing::FakeHost& fake) { flashed = fake.files["recovery.img"]; };

    FlashPresetImage(w, host, PresetImage::Find5);

    EXPECT_EQ(host.calls()[4], R"(DeleteFile("recovery.img") -> true)");
    EXPECT_EQ(flashed, "find5");
}

TEST_F(PresetFlash, AProgramDirectoryWithBlanksIsQuotedAndOneWithPercentIsRefused) {
    host.programDirectory = "C:\\Program Files\\Tarnwick";
    host.files["C:\\Program Files\\Tarnwick\\recovery\\find5_twrp_recovery.img"] = "find5";
    FlashPresetImage(w, host, PresetImage::Find5);
    EXPECT_EQ(
        host.calls()[6],
        R"(RunCommand("cmd /c copy /y \"C:\\Program Files\\Tarnwick\\recovery\\find5_twrp_recovery.img\" recovery.img", true, 1) -> exit 0)");

    host.ClearCalls();
    host.programDirectory = "C:\\100%";
    host.files["C:\\100%\\recovery\\find5_twrp_recovery.img"] = "find5";
    FlashPresetImage(w, host, PresetImage::Find5);
    EXPECT_EQ(host.calls(), Lines(R"(
ProgramDirectory() -> "C:\\100%"
FileExists("C:\\100%\\recovery\\find5_twrp_recovery.img") -> true
ShowMessage("文件路径中含有不支持的字符!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"));
}

TEST_F(PresetFlash, FailedFlashIsLoggedAndNotReportedAsDone) {
    MakesWorkImage("cmd /c copy /y C:\\Tarnwick\\recovery\\find5_twrp_recovery.img recovery.img");
    host.commandResults["cmd /c fastboot flash recovery recovery.img"] = {true, 1};
    host.messageResults = {0, 1};
    FlashPresetImage(w, host, PresetImage::Find5);
    const Record calls(host.calls().end() - 8, host.calls().end());
    EXPECT_EQ(calls, Sequence({FlashAndAnswer(false, "exit 1", Lines(R"(
AppendLog("命令执行失败(返回值1): cmd /c fastboot flash recovery recovery.img\r\n")
AppendLog("操作失败!\r\n"))")),
                               Lines(R"(
DeleteFile("recovery.img") -> true)")}));

    host.ClearCalls();
    host.commandResults["cmd /c fastboot flash recovery recovery.img"] = {false, 0};
    FlashPresetImage(w, host, PresetImage::Find5);
    EXPECT_NE(
        std::find(host.calls().begin(), host.calls().end(),
                  R"(AppendLog("命令无法执行: cmd /c fastboot flash recovery recovery.img\r\n"))"),
        host.calls().end());
    EXPECT_TRUE(w.显示窗.content().bytes().ends_with(
        Text("命令无法执行: cmd /c fastboot flash recovery recovery.img\r\n操作失败!\r\n")
            .bytes()));
}

class ChosenImage : public FlashWindowTest {
protected:
    ChosenImage() {
        SelectFamily(w.REC单选框);
        SelectRecoveryOption(w.刷入自定REC);
    }

    // The opening of every chosen-image flow that passes its checks, up to the copy.
    static Record Deploying(const std::string& image,
                            const std::string& programDirectory = R"(C:\\Tarnwick)") {
        return Lines("ProgramDirectory() -> \"" + programDirectory + R"("
AppendLog("正在部署...\r\n")
Pause(1000)
SameFile(")" + image +
                     "\", \"" + programDirectory + R"(\\recovery.img") -> false
DeleteFile("recovery.img") -> false
PathExists("recovery.img") -> false)");
    }
    static Record Ready() {
        return Lines(R"(
AppendLog("已准备就绪...\r\n")
Pause(1000))");
    }
};

TEST_F(ChosenImage, FlashCopiesTheImageStraightToTheWorkFileFlashesAndDeletes) {
    w.REC路径.setContent("C:\\img\\twrp.img");
    w.通用对话框1.fileName = "C:\\img\\twrp.img";
    host.messageResults = {0, 0};

    FlashChosenImage(w, host);

    EXPECT_EQ(host.calls(), Sequence({Deploying(R"(C:\\img\\twrp.img)"), Lines(R"(
RunCommand("cmd /c copy /y C:\\img\\twrp.img recovery.img", true, 1) -> exit 0)"),
                                      Ready(), kRebootToFastboot, FlashAndAnswer(true), Lines(R"(
DeleteFile("recovery.img") -> false)")}));
    EXPECT_EQ(w.通用对话框1.fileName, "twrp.img");
    EXPECT_EQ(w.显示窗.content(), Text("请勿断开手机连接...\r\n正在部署...\r\n已准备就绪...\r\n"
                                       "正在重启手机到Fastboot...\r\n请稍等...\r\n") +
                                      kDotLine + "操作已完成...\r\n");
}

TEST_F(ChosenImage, BootOnlyBootsTheImageOnceAndLogsNoCompletion) {
    w.REC路径.setContent("C:\\img\\twrp.img");
    w.临时进入REC.setChecked(true);
    MakesWorkImage("cmd /c copy /y C:\\img\\twrp.img recovery.img");

    FlashChosenImage(w, host);

    EXPECT_EQ(host.calls(), Sequence({Deploying(R"(C:\\img\\twrp.img)"), Lines(R"(
RunCommand("cmd /c copy /y C:\\img\\twrp.img recovery.img", true, 1) -> exit 0)"),
                                      Ready(), kRebootToFastboot, Lines(R"(
ShowMessage("如果您的手机已经重启,并且已经进入Fastboot模式.\r\n\r\n请点击 [确定] 开始进入Recovery...", 0, "警告!") -> 0
Pause(1000)
AppendLog("正在进入Recovery,请等待...\r\n")
Pause(2000)
RunCommand("cmd /c fastboot boot recovery.img", true, 1) -> exit 0
DeleteFile("recovery.img") -> true)")}));
    EXPECT_TRUE(
        w.显示窗.content().bytes().ends_with(Text(". \r\n正在进入Recovery,请等待...\r\n").bytes()));
}

TEST_F(ChosenImage, AFailedBootIsLogged) {
    w.REC路径.setContent("C:\\img\\twrp.img");
    w.临时进入REC.setChecked(true);
    MakesWorkImage("cmd /c copy /y C:\\img\\twrp.img recovery.img");
    host.commandResults["cmd /c fastboot boot recovery.img"] = {true, 255};

    FlashChosenImage(w, host);

    const Record tail(host.calls().end() - 3, host.calls().end());
    EXPECT_EQ(tail, Lines(R"(
RunCommand("cmd /c fastboot boot recovery.img", true, 1) -> exit 255
AppendLog("命令执行失败(返回值255): cmd /c fastboot boot recovery.img\r\n")
DeleteFile("recovery.img") -> true)"));
}

TEST_F(ChosenImage, InputChecksRejectBeforeAnythingIsShownOrRun) {
    struct Case {
        const char* path;
        const char* message;
    };
    const Case cases[] = {
        {"", "您尚未选择任何文件!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!"},
        {"C:\\img\\twrp.IMG",
         "请选择扩展名为img的recovery文件!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!"},
        {"C:\\img\\twrp.bin",
         "请选择扩展名为img的recovery文件!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        host.ClearCalls();
        w.REC路径.setContent(c.path);
        FlashChosenImage(w, host);
        EXPECT_EQ(host.calls(),
                  Record{std::string("ShowMessage(\"") + c.message + "\", 0, \"警告!\") -> 0"});
        EXPECT_FALSE(w.显示框.visible());
    }
    for (const char* path :
         {"C:\\img\\\"&calc&\".img", "C:\\img\\%TEMP%.img", "C:\\img\\a\tb.img"}) {
        SCOPED_TRACE(path);
        host.ClearCalls();
        w.REC路径.setContent(path);
        FlashChosenImage(w, host);
        EXPECT_EQ(host.calls(), Lines(R"(
ProgramDirectory() -> "C:\\Tarnwick"
ShowMessage("文件路径中含有不支持的字符!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 0)"));
        EXPECT_FALSE(w.显示框.visible());
    }
}

TEST_F(ChosenImage, ImgAnywhereInThePathPassesTheExtensionCheck) {
    w.REC路径.setContent("C:\\old.img\\notes.txt");
    FlashChosenImage(w, host);
    EXPECT_EQ(
        host.calls()[6],
        R"(RunCommand("cmd /c copy /y C:\\old.img\\notes.txt recovery.img", true, 1) -> exit 0)");
}

TEST_F(ChosenImage, PathsWithBlanksAndCommandCharactersAreQuoted) {
    w.REC路径.setContent("C:\\Users\\Ann Lee\\a&b.img");
    host.programDirectory = "C:\\My Tools";

    FlashChosenImage(w, host);

    EXPECT_EQ(Record(host.calls().begin(), host.calls().begin() + 7),
              Sequence({Deploying(R"(C:\\Users\\Ann Lee\\a&b.img)", R"(C:\\My Tools)"), Lines(R"(
RunCommand("cmd /c copy /y \"C:\\Users\\Ann Lee\\a&b.img\" recovery.img", true, 1) -> exit 0)")}));
    EXPECT_EQ(w.通用对话框1.fileName, "a&b.img");
}

TEST_F(ChosenImage, TheCopyNamesThePathThatWasCheckedNotTheChoosersFile) {
    w.REC路径.setContent("C:\\img\\twrp.img");
    w.通用对话框1.fileName = "C:\\backup\\other.img";
    FlashChosenImage(w, host);
    EXPECT_EQ(host.calls()[6],
              R"(RunCommand("cmd /c copy /y C:\\img\\twrp.img recovery.img", true, 1) -> exit 0)");
    EXPECT_EQ(w.通用对话框1.fileName, "twrp.img");
}

TEST_F(ChosenImage, TheUsersOwnWorkFileIsFlashedAsItIsAndKept) {
    for (const bool bootOnly : {false, true}) {
        SCOPED_TRACE(bootOnly ? "boot only" : "flash");
        host.ClearCalls();
        host.files = {{"recovery.img", "mine"}};
        // Another spelling of the same file, as a link or a short name gives it.
        host.sameFiles = {{"C:\\Link\\recovery.img", "C:\\Tarnwick\\recovery.img"}};
        w.REC路径.setContent("C:\\Link\\recovery.img");
        w.临时进入REC.setChecked(bootOnly);

        FlashChosenImage(w, host);

        const Record& calls = host.calls();
        EXPECT_EQ(Record(calls.begin(), calls.begin() + 6), Sequence({Lines(R"(
ProgramDirectory() -> "C:\\Tarnwick"
AppendLog("正在部署...\r\n")
Pause(1000)
SameFile("C:\\Link\\recovery.img", "C:\\Tarnwick\\recovery.img") -> true)"),
                                                                      Ready()}));
        EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                                [](const std::string& call) {
                                    return call.starts_with("DeleteFile") ||
                                           call.starts_with("RunCommand(\"cmd /c copy");
                                }),
                  0);
        const std::string boot =
            R"(RunCommand("cmd /c fastboot boot recovery.img", true, 1) -> exit 0)";
        EXPECT_EQ(calls.back(), bootOnly ? boot : "Pause(1000)");
        EXPECT_EQ(host.files.at("recovery.img"), "mine");
        EXPECT_EQ(w.通用对话框1.fileName, "recovery.img");
    }
}

// A leftover work file that stays (here a folder of that name) or a failed copy ends either
// flow before the phone is touched.
TEST_F(ChosenImage, WithoutAFreshWorkFileNothingIsFlashedAndThePhoneIsNotRebooted) {
    const Text copyPreset =
        "cmd /c copy /y C:\\Tarnwick\\recovery\\find5_twrp_recovery.img recovery.img";
    const Text copyChosen = "cmd /c copy /y C:\\img\\twrp.img recovery.img";
    const Text failed = "文件准备失败!\r\n操作失败!\r\n";
    for (const bool preset : {true, false}) {
        for (const bool leftoverFolder : {true, false}) {
            SCOPED_TRACE(std::string(preset ? "preset" : "chosen") +
                         (leftoverFolder ? ", leftover folder" : ", failed copy"));
            host.ClearCalls();
            host.files = {{"C:\\Tarnwick\\recovery\\find5_twrp_recovery.img", "find5"}};
            host.folders = leftoverFolder ? std::set<Text>{"recovery.img"} : std::set<Text>{};
            host.commandResults = {{copyPreset, {true, 1}}, {copyChosen, {true, 1}}};
            w.REC路径.setContent("C:\\img\\twrp.img");
            if (preset) {
                FlashPresetImage(w, host, PresetImage::Find5);
            } else {
                FlashChosenImage(w, host);
            }

            const Text copy = preset ? copyPreset : copyChosen;
            EXPECT_EQ(
                w.显示窗.content(),
                "请勿断开手机连接...\r\n正在部署...\r\n" +
                    (leftoverFolder ? failed : "命令执行失败(返回值1): " + copy + "\r\n" + failed));
            EXPECT_EQ(host.calls().back(), R"(AppendLog("操作失败!\r\n"))");
            EXPECT_EQ(std::count_if(host.calls().begin(), host.calls().end(),
                                    [](const std::string& call) {
                                        return call.starts_with("RunCommand") &&
                                               call.find("copy") == std::string::npos;
                                    }),
                      0);
        }
    }
}

}  // namespace
}  // namespace tarnwick::flash::testing
