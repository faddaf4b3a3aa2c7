// The flash-mode window: reboot modes, recovery flashing and backup, update packages, and the
// log view that covers them.

#include "ui/templates.h"

namespace tarnwick::ui {

const WindowTemplate& FlashWindowTemplate() {
    static const WindowTemplate flash{
        .title = "Tarnwick",
        .width = 260,
        .height = 450,
        .background = "mode_background",
        .backColour = 0xFFFFFF,
        .left = std::nullopt,  // centred
        .top = std::nullopt,
        .taskbarButton = true,
        // One record per control, topmost first. Radio groups: 重启单选框, REC单选框, ROM单选框
        // in the window; 重新启动, 重启到REC, 重启到FAST in 重启分组框; 备份, 刷入集成REC,
        // 刷入自定REC in REC分组框. The group boxes stand under 显示框, so the log view covers
        // them.
        // clang-format off
        .controls = {
            // The log view, hidden until a task runs.
            {.name = "显示框", .kind = ControlKind::GroupBox,
             .left = 10, .top = 65, .width = 240, .height = 310, .visible = false},
            {.name = "显示窗", .kind = ControlKind::EditBox, .parent = "显示框",
             .left = 5, .top = 12, .width = 230, .height = 290,
             .textColour = 0x008080, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12},
             .multiLine = true, .readOnly = true, .border = Border::None},
            {.name = "备份路径", .kind = ControlKind::EditBox, .parent = "REC分组框",
             .left = 27, .top = 34, .width = 195, .height = 18, .enabled = false,
             .textColour = 0x000000, .backColour = 0xFFFFFF, .border = Border::Sunken},
            {.name = "备份", .kind = ControlKind::RadioButton, .parent = "REC分组框",
             .left = 10, .top = 15, .width = 124, .height = 15, .enabled = false,
             .caption = "备份当前Recovery.", .checked = true,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "临时进入REC", .kind = ControlKind::CheckBox, .parent = "REC分组框",
             .left = 142, .top = 98, .width = 80, .height = 15, .enabled = false,
             .caption = "仅临时进入", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "清空CACHE", .kind = ControlKind::CheckBox, .parent = "REC分组框1",
             .left = 111, .top = 15, .width = 120, .height = 15, .enabled = false,
             .caption = "清空CACHE分区.", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "清空DATA", .kind = ControlKind::CheckBox, .parent = "REC分组框1",
             .left = 10, .top = 15, .width = 104, .height = 16, .enabled = false,
             .caption = "清空DATA分区.", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "ROM单选框", .kind = ControlKind::RadioButton,
             .left = 10, .top = 302, .width = 78, .height = 15,
             .caption = "刷入ROM:", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "REC分组框1", .kind = ControlKind::GroupBox,
             .left = 10, .top = 313, .width = 240, .height = 60},
            // Enabled from the start, although ROM单选框 is not checked.
            {.name = "ROM路径", .kind = ControlKind::EditBox, .parent = "REC分组框1",
             .left = 10, .top = 35, .width = 220, .height = 18,
             .textColour = 0x008080, .backColour = 0xFFFFFF, .border = Border::Sunken},
            {.name = "选择集成REC", .kind = ControlKind::ComboBox, .parent = "REC分组框",
             .left = 27, .top = 72, .width = 195, .height = 20, .enabled = false,
             .items = {"Find 5  [ Twrp-Recovery ]", "Find 7  [ Twrp-Recovery ]"},
             .currentItem = 0,
             .textColour = 0x008080, .backColour = 0xFFFFFF},
            {.name = "REC路径", .kind = ControlKind::EditBox, .parent = "REC分组框",
             .left = 27, .top = 115, .width = 195, .height = 18, .enabled = false,
             .textColour = 0x008080, .backColour = 0xFFFFFF,
             .readOnly = true, .border = Border::Sunken},
            {.name = "刷入自定REC", .kind = ControlKind::RadioButton, .parent = "REC分组框",
             .left = 10, .top = 98, .width = 152, .height = 15, .enabled = false,
             .caption = "自定义的Recovery:", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "刷入集成REC", .kind = ControlKind::RadioButton, .parent = "REC分组框",
             .left = 10, .top = 55, .width = 160, .height = 15, .enabled = false,
             .caption = "已集成的Recovery:", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "重启到FAST", .kind = ControlKind::RadioButton, .parent = "重启分组框",
             .left = 125, .top = 37, .width = 110, .height = 15,
             .caption = "重启到Fastboot.", .checked = false,
             .textColour = 0x008080, .backColour = 0xFFFFFF},
            {.name = "重启到REC", .kind = ControlKind::RadioButton, .parent = "重启分组框",
             .left = 10, .top = 36, .width = 110, .height = 15,
             .caption = "重启到Recovery.", .checked = false,
             .textColour = 0x008080, .backColour = 0xFFFFFF},
            {.name = "重新启动", .kind = ControlKind::RadioButton, .parent = "重启分组框",
             .left = 10, .top = 15, .width = 80, .height = 15,
             .caption = "重新启动.", .checked = true,
             .textColour = 0x008080, .backColour = 0xFFFFFF},
            {.name = "通用对话框1", .kind = ControlKind::FileChooser, .defaultExtension = ".img"},
            {.name = "刷机模式返回", .kind = ControlKind::PictureButton,
             .left = 10, .top = 385, .width = 100, .height = 30, .images = "back"},
            {.name = "刷机模式下一步", .kind = ControlKind::PictureButton,
             .left = 149, .top = 385, .width = 100, .height = 30, .images = "next"},
            {.name = "REC单选框", .kind = ControlKind::RadioButton,
             .left = 10, .top = 142, .width = 110, .height = 15,
             .caption = "刷入Recovery:", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "重启单选框", .kind = ControlKind::RadioButton,
             .left = 10, .top = 65, .width = 97, .height = 15,
             .caption = "重启模式:", .checked = true,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "关闭", .kind = ControlKind::PictureButton,
             .left = 227, .top = 9, .width = 24, .height = 24, .images = "close"},
            {.name = "重启分组框", .kind = ControlKind::GroupBox,
             .left = 10, .top = 75, .width = 240, .height = 60},
            {.name = "REC分组框", .kind = ControlKind::GroupBox,
             .left = 10, .top = 152, .width = 240, .height = 142},
        },
        // clang-format on
    };
    return flash;
}

}  // namespace tarnwick::ui
