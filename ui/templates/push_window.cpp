// The push window: APK install, memory-card push and system push, and its log view.

#include "ui/templates.h"

namespace tarnwick::ui {

const WindowTemplate& PushWindowTemplate() {
    static const WindowTemplate push{
        .title = "Tarnwick",
        .width = 260,
        .height = 450,
        .background = "mode_background",
        .backColour = 0xFFFFFF,
        .left = std::nullopt,  // centred
        .top = std::nullopt,
        .taskbarButton = true,
        // One record per control, topmost first. The three radio buttons form one group.
        // clang-format off
        .controls = {
            // The log view, hidden until a push runs.
            {.name = "信息显示窗", .kind = ControlKind::EditBox,
             .left = 10, .top = 65, .width = 240, .height = 270, .visible = false, .enabled = false,
             .textColour = 0x000000, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12},
             .multiLine = true, .readOnly = true, .border = Border::None},
            // Lies exactly over 推送服务返回.
            {.name = "信息窗口返回", .kind = ControlKind::PictureButton,
             .left = 25, .top = 375, .width = 100, .height = 30, .visible = false,
             .images = "back",
             .imageCaption = "返回"},
            {.name = "标签4", .kind = ControlKind::Label,
             .left = 10, .top = 80, .width = 223, .height = 20,
             .caption = "文件名及路径不可有中文及特殊字符.",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12}},
            {.name = "SYS编辑框", .kind = ControlKind::EditBox,
             .left = 35, .top = 294, .width = 192, .height = 20, .enabled = false,
             .content = "/system/app/",
             .textColour = 0x0088FF, .backColour = 0xFFFFFF, .border = Border::Thin,
             .labelledBy = "SYS单选框"},
            {.name = "SYS编辑框1", .kind = ControlKind::EditBox,
             .left = 35, .top = 276, .width = 192, .height = 20, .enabled = false,
             .content = "请勿修改或删除路径后的\"/\"符号!",
             .textColour = 0x606060, .backColour = 0xFFFFFF, .font = {nullptr, 12},
             .readOnly = true, .border = Border::None, .labelledBy = "SYS单选框"},
            {.name = "SD编辑框", .kind = ControlKind::EditBox,
             .left = 35, .top = 208, .width = 192, .height = 20, .enabled = false,
             .content = "/sdcard/",
             .textColour = 0x0088FF, .backColour = 0xFFFFFF, .border = Border::Thin,
             .labelledBy = "SD单选框"},
            {.name = "SD编辑框1", .kind = ControlKind::EditBox,
             .left = 35, .top = 190, .width = 192, .height = 20, .enabled = false,
             .content = "请勿修改或删除路径后的\"/\"符号!",
             .textColour = 0x606060, .backColour = 0xFFFFFF, .font = {nullptr, 12},
             .readOnly = true, .border = Border::None, .labelledBy = "SD单选框"},
            {.name = "通用对话框1", .kind = ControlKind::FileChooser, .defaultExtension = ""},
            {.name = "NOROOT", .kind = ControlKind::CheckBox,
             .left = 15, .top = 315, .width = 193, .height = 24, .visible = false,
             .caption = "使用免Root模式,需要重启手机.", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "推送服务返回", .kind = ControlKind::PictureButton,
             .left = 25, .top = 375, .width = 100, .height = 30, .images = "back",
             .imageCaption = "返回"},
            {.name = "推送服务下一步", .kind = ControlKind::PictureButton,
             .left = 144, .top = 375, .width = 100, .height = 30, .images = "next",
             .imageCaption = "下一步"},
            {.name = "标签5", .kind = ControlKind::Label,
             .left = 35, .top = 175, .width = 215, .height = 20,
             .caption = "推送指定文件至手机内存卡中.",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12}},
            {.name = "标签3", .kind = ControlKind::Label,
             .left = 35, .top = 260, .width = 200, .height = 20,
             .caption = "推送指定的文件至手机系统中.",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12}},
            {.name = "SD单选框", .kind = ControlKind::RadioButton,
             .left = 15, .top = 150, .width = 97, .height = 35,
             .caption = "SD卡文件推送", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "SYS单选框", .kind = ControlKind::RadioButton,
             .left = 15, .top = 235, .width = 97, .height = 35,
             .caption = "系统文件推送", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "标签2", .kind = ControlKind::Label,
             .left = 35, .top = 125, .width = 200, .height = 20,
             .caption = "推送电脑中的APK文件安装到手机.",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12}},
            {.name = "APK单选框", .kind = ControlKind::RadioButton,
             .left = 15, .top = 100, .width = 97, .height = 35,
             .caption = "APK推送安装", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "标签1", .kind = ControlKind::Label,
             .left = 10, .top = 65, .width = 240, .height = 20,
             .caption = "请打开手机USB调试模式...",
             .textColour = 0x0088FF, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12}},
            {.name = "关闭", .kind = ControlKind::PictureButton,
             .left = 227, .top = 9, .width = 24, .height = 24, .images = "close",
             .imageCaption = "关闭"},
        },
        // clang-format on
    };
    return push;
}

}  // namespace tarnwick::ui
