// The five window templates: structure that the builder relies on, and the presets that the
// handlers rely on when a window opens.

#include "ui/templates.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tarnwick::ui {
namespace {

using Names = std::set<std::string>;

const ControlRecord& Find(const WindowTemplate& window, std::string_view name) {
    for (const ControlRecord& control : window.controls) {
        if (name == control.name) {
            return control;
        }
    }
    throw std::logic_error("no such control: " + std::string(name));
}

Names Select(const WindowTemplate& window,
             const std::function<bool(const ControlRecord&)>& wanted) {
    Names names;
    for (const ControlRecord& control : window.controls) {
        if (wanted(control)) {
            names.insert(control.name);
        }
    }
    return names;
}

Names Hidden(const WindowTemplate& window) {
    return Select(window, [](const ControlRecord& c) { return !c.visible; });
}
Names Disabled(const WindowTemplate& window) {
    return Select(window, [](const ControlRecord& c) { return !c.enabled; });
}
Names Checked(const WindowTemplate& window) {
    return Select(window, [](const ControlRecord& c) { return c.checked; });
}
Names ChildrenOf(const WindowTemplate& window, std::string_view box) {
    return Select(window, [box](const ControlRecord& c) { return c.parent && box == c.parent; });
}
// Each group box with the controls it holds.
std::map<std::string, Names> Groups(const WindowTemplate& window) {
    std::map<std::string, Names> groups;
    for (const ControlRecord& control : window.controls) {
        if (control.kind == ControlKind::GroupBox) {
            groups[control.name] = ChildrenOf(window, control.name);
        }
    }
    return groups;
}

std::size_t StackIndex(const WindowTemplate& window, std::string_view name) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (name == window.controls[i].name) {
            return i;
        }
    }
    throw std::logic_error("no such control: " + std::string(name));
}

bool SameRectangle(const ControlRecord& a, const ControlRecord& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// --- Every template -----------------------------------------------------------------------

struct TemplateCase {
    const char* label;
    const WindowTemplate& (*get)();
};

class EveryTemplate : public testing::TestWithParam<TemplateCase> {
protected:
    const WindowTemplate& window() const { return GetParam().get(); }
};

TEST_P(EveryTemplate, NamesAreUnique) {
    Names seen;
    for (const ControlRecord& control : window().controls) {
        EXPECT_TRUE(seen.insert(control.name).second) << control.name;
    }
}

TEST_P(EveryTemplate, ParentsAreGroupBoxesOfTheSameWindowAndHoldTheirChildren) {
    for (const ControlRecord& control : window().controls) {
        if (control.parent == nullptr) {
            continue;
        }
        const ControlRecord& box = Find(window(), control.parent);
        EXPECT_EQ(box.kind, ControlKind::GroupBox) << control.name;
        EXPECT_EQ(box.parent, nullptr) << "group boxes stand in the window: " << box.name;
        EXPECT_LE(control.left + control.width, box.width) << control.name;
        EXPECT_LE(control.top + control.height, box.height) << control.name;
    }
}

TEST_P(EveryTemplate, ControlsInTheWindowFitIntoIt) {
    for (const ControlRecord& control : window().controls) {
        if (control.parent == nullptr && control.kind != ControlKind::FileChooser) {
            EXPECT_GT(control.width, 0) << control.name;
            EXPECT_GT(control.height, 0) << control.name;
            EXPECT_LE(control.left + control.width, window().width) << control.name;
            EXPECT_LE(control.top + control.height, window().height) << control.name;
        }
    }
}

TEST_P(EveryTemplate, FontsAreTheDefaultFaceOrYaHeiWithAHeight) {
    for (const ControlRecord& control : window().controls) {
        if (control.font.face != nullptr) {
            EXPECT_STREQ(control.font.face, "微软雅黑") << control.name;
            EXPECT_GT(control.font.pixelHeight, 0) << control.name;
        }
    }
}

TEST_P(EveryTemplate, ButtonsAndMarksUseTheDefaultFontOnWhite) {
    for (const ControlRecord& control : window().controls) {
        switch (control.kind) {
            case ControlKind::RadioButton:
            case ControlKind::CheckBox:
            case ControlKind::ComboBox:
                EXPECT_EQ(control.backColour, 0xFFFFFFu) << control.name;
                EXPECT_EQ(control.font.face, nullptr) << control.name;
                EXPECT_EQ(control.font.pixelHeight, 0) << control.name;
                EXPECT_TRUE(control.textColour.has_value()) << control.name;
                break;
            case ControlKind::Hyperlink:
                EXPECT_EQ(control.textColour, 0x008080u) << control.name;
                EXPECT_EQ(control.hoverColour, 0x0088FFu) << control.name;
                EXPECT_EQ(control.backColour, 0xFFFFFFu) << control.name;
                EXPECT_STREQ(control.font.face, "微软雅黑") << control.name;
                EXPECT_EQ(control.font.pixelHeight, 13) << control.name;
                EXPECT_NE(std::string_view(control.address), "") << control.name;
                break;
            default:
                break;
        }
    }
}

// Each picture button shows the art of its role, and its size is the size of that art.
TEST_P(EveryTemplate, PictureButtonsShowTheArtOfTheirRoleAtItsSize) {
    struct Art {
        std::string images;
        int width, height;
    };
    const std::map<std::string, Art> roles = {
        {"推送模式", {"mode_push", 200, 32}},
        {"刷机模式", {"mode_flash", 200, 32}},
        {"编译模式", {"mode_compile", 200, 32}},
        {"破解模式", {"mode_crack", 200, 32}},
        {"意见反馈", {"mode_feedback", 200, 32}},
        {"返回首页", {"mode_home", 200, 32}},
        {"关闭", {"close", 24, 24}},
        {"推送服务返回", {"back", 100, 30}},
        {"信息窗口返回", {"back", 100, 30}},
        {"刷机模式返回", {"back", 100, 30}},
        {"推送服务下一步", {"next", 100, 30}},
        {"刷机模式下一步", {"next", 100, 30}},
        {"图形按钮1", {"browse", 30, 20}},
        {"图形按钮2", {"browse", 30, 20}},
        {"图形按钮3", {"browse", 30, 20}},
        {"图形按钮4", {"browse", 30, 20}},
    };
    for (const ControlRecord& control : window().controls) {
        if (control.kind != ControlKind::PictureButton) {
            continue;
        }
        auto role = roles.find(control.name);
        ASSERT_NE(role, roles.end()) << control.name;
        ASSERT_NE(control.images, nullptr) << control.name;
        EXPECT_EQ(control.images, role->second.images) << control.name;
        EXPECT_EQ(control.width, role->second.width) << control.name;
        EXPECT_EQ(control.height, role->second.height) << control.name;
    }
}

// Labels draw on white, apart from the info window's title strip with its own bitmap.
TEST_P(EveryTemplate, LabelsDrawOnWhite) {
    for (const ControlRecord& control : window().controls) {
        if (control.kind == ControlKind::Label && control.backImage == nullptr) {
            EXPECT_EQ(control.backColour, 0xFFFFFFu) << control.name;
        }
    }
}

TEST_P(EveryTemplate, CloseButtonSitsAtTheRightEndOfTheStrip) {
    const ControlRecord& close = Find(window(), "关闭");
    EXPECT_EQ(close.parent, nullptr);
    EXPECT_TRUE(close.visible && close.enabled);
    if (window().width == 420) {  // the info window's narrower strip
        EXPECT_EQ(close.left, 387);
        EXPECT_EQ(close.top, 2);
    } else {
        EXPECT_EQ(close.left, 227);
        EXPECT_EQ(close.top, 9);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryTemplate,
                         testing::Values(TemplateCase{"Home", HomeWindowTemplate},
                                         TemplateCase{"Push", PushWindowTemplate},
                                         TemplateCase{"Flash", FlashWindowTemplate},
                                         TemplateCase{"Compile", CompileWindowTemplate},
                                         TemplateCase{"Info", InfoWindowTemplate}),
                         [](const auto& info) { return std::string(info.param.label); });

// --- Window settings ----------------------------------------------------------------------

TEST(WindowSettings, HomeAndModeWindowsAreCentredWhiteWithATaskbarButton) {
    const std::pair<const WindowTemplate*, std::string> windows[] = {
        {&HomeWindowTemplate(), "home_background"},
        {&PushWindowTemplate(), "mode_background"},
        {&FlashWindowTemplate(), "mode_background"},
        {&CompileWindowTemplate(), "mode_background"},
    };
    for (const auto& [window, background] : windows) {
        SCOPED_TRACE(background);
        EXPECT_STREQ(window->title, "Tarnwick");
        EXPECT_EQ(window->width, 260);
        EXPECT_EQ(window->height, 450);
        EXPECT_EQ(window->background, background);
        EXPECT_EQ(window->backColour, 0xFFFFFFu);
        EXPECT_FALSE(window->left.has_value());
        EXPECT_FALSE(window->top.has_value());
        EXPECT_TRUE(window->taskbarButton);
    }
}

TEST(WindowSettings, InfoWindowStandsAt50By50InTheSystemColourWithoutTaskbarButton) {
    const WindowTemplate& info = InfoWindowTemplate();
    EXPECT_STREQ(info.title, "Mirelkit");
    EXPECT_EQ(info.width, 420);
    EXPECT_EQ(info.height, 300);
    EXPECT_STREQ(info.background, "info_background");
    EXPECT_FALSE(info.backColour.has_value());
    EXPECT_EQ(info.left, 50);
    EXPECT_EQ(info.top, 50);
    EXPECT_FALSE(info.taskbarButton);
}

TEST(WindowSettings, FileChoosersOnlyInTheWindowsThatPickFiles) {
    auto extension = [](const WindowTemplate& window) -> std::string {
        const ControlRecord& chooser = Find(window, "通用对话框1");
        EXPECT_EQ(chooser.kind, ControlKind::FileChooser);
        return chooser.defaultExtension;
    };
    EXPECT_EQ(extension(PushWindowTemplate()), "");
    EXPECT_EQ(extension(FlashWindowTemplate()), ".img");
    EXPECT_EQ(extension(CompileWindowTemplate()), ".apk");
    for (const WindowTemplate* window : {&HomeWindowTemplate(), &InfoWindowTemplate()}) {
        EXPECT_TRUE(Select(*window, [](const ControlRecord& c) {
                        return c.kind == ControlKind::FileChooser;
                    }).empty());
    }
}

// --- Home window --------------------------------------------------------------------------

TEST(HomeWindow, OpensWithTheFeedbackPanelHidden) {
    const WindowTemplate& home = HomeWindowTemplate();
    EXPECT_EQ(Hidden(home),
              (Names{"标签1", "超级链接框1", "超级链接框2", "超级链接框3", "显示窗", "返回首页"}));
    EXPECT_TRUE(Disabled(home).empty());
    EXPECT_TRUE(Groups(home).empty());
}

TEST(HomeWindow, WelcomeTextKeepsItsLineBreaks) {
    const ControlRecord& welcome = Find(HomeWindowTemplate(), "显示窗");
    EXPECT_EQ(std::string(welcome.content),
              "\r\n欢迎使用Tarnwick!\r\n\r\n目前版本为测试版本,有可能会存在各种未知问题!"
              "不能保证支持所有机器!\r\n如果您在使用中有任何疑问,建议或发现BUG等,欢迎反馈!\r\n"
              "工具箱部分功能需要JAVA环境支持!\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(welcome.multiLine);
    EXPECT_TRUE(welcome.readOnly);
    EXPECT_FALSE(welcome.verticalScrollBar);
}

TEST(HomeWindow, BackButtonLiesExactlyOverFeedbackAndAboveIt) {
    const WindowTemplate& home = HomeWindowTemplate();
    EXPECT_TRUE(SameRectangle(Find(home, "返回首页"), Find(home, "意见反馈")));
    EXPECT_LT(StackIndex(home, "返回首页"), StackIndex(home, "意见反馈"));
}

TEST(HomeWindow, HyperlinksWithoutCaptionShowTheirAddress) {
    const WindowTemplate& home = HomeWindowTemplate();
    EXPECT_STREQ(Find(home, "超级链接框1").caption, "");
    EXPECT_STREQ(Find(home, "超级链接框2").caption, "");
    EXPECT_STRNE(Find(home, "超级链接框3").caption, "");
    EXPECT_STRNE(Find(home, "标签1").caption, "");
}

// --- Push window --------------------------------------------------------------------------

TEST(PushWindow, OpensWithNoModeChosenAndThePathBoxesLocked) {
    const WindowTemplate& push = PushWindowTemplate();
    EXPECT_TRUE(Checked(push).empty());
    EXPECT_EQ(Hidden(push), (Names{"NOROOT", "信息显示窗", "信息窗口返回"}));
    EXPECT_EQ(Disabled(push),
              (Names{"信息显示窗", "SD编辑框", "SD编辑框1", "SYS编辑框", "SYS编辑框1"}));
    EXPECT_TRUE(Groups(push).empty());
}

TEST(PushWindow, PathBoxesShowTheirPresets) {
    const WindowTemplate& push = PushWindowTemplate();
    const std::string warning = std::string("请勿修改或删除路径后的") + '"' + '/' + '"' + "符号!";
    EXPECT_EQ(std::string(Find(push, "SD编辑框").content), "/sdcard/");
    EXPECT_EQ(std::string(Find(push, "SYS编辑框").content), "/system/app/");
    EXPECT_EQ(std::string(Find(push, "SD编辑框1").content), warning);
    EXPECT_EQ(std::string(Find(push, "SYS编辑框1").content), warning);
    EXPECT_FALSE(Find(push, "SD编辑框").readOnly);
    EXPECT_TRUE(Find(push, "SD编辑框1").readOnly);
}

TEST(PushWindow, LogViewAndItsBackButtonCoverTheOptions) {
    const WindowTemplate& push = PushWindowTemplate();
    const ControlRecord& log = Find(push, "信息显示窗");
    EXPECT_TRUE(log.multiLine);
    EXPECT_TRUE(log.readOnly);
    EXPECT_EQ(StackIndex(push, "信息显示窗"), 0u);
    EXPECT_TRUE(SameRectangle(Find(push, "信息窗口返回"), Find(push, "推送服务返回")));
    EXPECT_LT(StackIndex(push, "信息窗口返回"), StackIndex(push, "推送服务返回"));
}

// --- Flash-mode window --------------------------------------------------------------------

TEST(FlashWindow, GroupBoxesHoldTheirControls) {
    EXPECT_EQ(Groups(FlashWindowTemplate()),
              (std::map<std::string, Names>{
                  {"显示框", {"显示窗"}},
                  {"重启分组框", {"重新启动", "重启到REC", "重启到FAST"}},
                  {"REC分组框",
                   {"备份路径", "备份", "临时进入REC", "选择集成REC", "REC路径", "刷入自定REC",
                    "刷入集成REC"}},
                  {"REC分组框1", {"清空CACHE", "清空DATA", "ROM路径"}},
              }));
}

TEST(FlashWindow, OpensOnRebootWithRecoveryOptionsLocked) {
    const WindowTemplate& flash = FlashWindowTemplate();
    EXPECT_EQ(Checked(flash), (Names{"重启单选框", "重新启动", "备份"}));
    EXPECT_EQ(Hidden(flash), (Names{"显示框"}));
    Names locked = ChildrenOf(flash, "REC分组框");
    locked.insert({"清空CACHE", "清空DATA"});
    EXPECT_EQ(Disabled(flash), locked);  // ROM路径 stays enabled
}

TEST(FlashWindow, BuiltInRecoveriesStartAtFind5) {
    const ControlRecord& recoveries = Find(FlashWindowTemplate(), "选择集成REC");
    ASSERT_EQ(recoveries.items.size(), 2u);
    EXPECT_EQ(std::string(recoveries.items[0]), "Find 5  [ Twrp-Recovery ]");
    EXPECT_EQ(std::string(recoveries.items[1]), "Find 7  [ Twrp-Recovery ]");
    EXPECT_EQ(recoveries.currentItem, 0);
}

TEST(FlashWindow, LogViewCoversTheOptions) {
    const WindowTemplate& flash = FlashWindowTemplate();
    for (const char* box : {"重启分组框", "REC分组框", "REC分组框1"}) {
        EXPECT_LT(StackIndex(flash, "显示框"), StackIndex(flash, box)) << box;
    }
    const ControlRecord& log = Find(flash, "显示窗");
    EXPECT_TRUE(log.multiLine);
    EXPECT_TRUE(log.readOnly);
    EXPECT_STREQ(log.content, "");
}

// --- Compile-mode window ------------------------------------------------------------------

TEST(CompileWindow, GroupBoxesHoldTheirControls) {
    EXPECT_EQ(Groups(CompileWindowTemplate()),
              (std::map<std::string, Names>{
                  {"重启分组框", {"标签1", "资源1", "图形按钮1", "资源2", "图形按钮2"}},
                  {"REC分组框",
                   {"标签2", "标签3", "反编译", "回编译", "签名", "资源3", "图形按钮3", "资源4",
                    "图形按钮4"}},
              }));
}

TEST(CompileWindow, OpensOnLoadingResourcesWithTheCompileTasksLocked) {
    const WindowTemplate& compile = CompileWindowTemplate();
    EXPECT_EQ(Checked(compile), (Names{"载入资源"}));
    EXPECT_TRUE(Hidden(compile).empty());
    EXPECT_EQ(Disabled(compile), ChildrenOf(compile, "REC分组框"));
}

TEST(CompileWindow, ResourcePathsHoldOneBackslash) {
    const WindowTemplate& compile = CompileWindowTemplate();
    EXPECT_EQ(std::string(Find(compile, "资源1").content), R"(framework\framework-res.apk)");
    EXPECT_EQ(std::string(Find(compile, "资源2").content), R"(framework\oppo-framework-res.apk)");
    EXPECT_TRUE(Find(compile, "资源3").readOnly);
    EXPECT_TRUE(Find(compile, "资源4").readOnly);
}

// --- Info window --------------------------------------------------------------------------

TEST(InfoWindow, TitleStripAndEditableOutputBox) {
    const WindowTemplate& info = InfoWindowTemplate();
    const ControlRecord& title = Find(info, "标签1");
    EXPECT_STREQ(title.caption, "信息");
    EXPECT_STREQ(title.backImage, "info_title");
    EXPECT_FALSE(title.backColour.has_value());
    EXPECT_EQ(title.alignment, Alignment::Centre);
    EXPECT_EQ(title.left, 0);
    EXPECT_EQ(title.top, -1);
    EXPECT_EQ(title.width, info.width);

    const ControlRecord& output = Find(info, "编辑框1");
    EXPECT_TRUE(output.multiLine);
    EXPECT_FALSE(output.readOnly);
    EXPECT_TRUE(output.verticalScrollBar);
    EXPECT_LT(StackIndex(info, "关闭"), StackIndex(info, "标签1"));  // the button stays clickable
}

}  // namespace
}  // namespace tarnwick::ui
