// The compile-mode window: loading the framework resources, and decompiling, rebuilding and
// signing an APK.

#include "ui/templates.h"

namespace tarnwick::ui {

const WindowTemplate& CompileWindowTemplate() {
    static const WindowTemplate compile{
        .title = "Tarnwick",
        .width = 260,
        .height = 450,
        .background = "mode_background",
        .backColour = 0xFFFFFF,
        .left = std::nullopt,  // centred
        .top = std::nullopt,
        .taskbarButton = true,
        // One record per control, topmost first. 重启分组框 holds the resource loading,
        // REC分组框 the compile tasks; the group box names are shared with the flash window.
        // clang-format off
        .controls = {
            {.name = "标签2", .kind = ControlKind::Label, .parent = "REC分组框",
             .left = 10, .top = 47, .width = 113, .height = 15, .enabled = false,
             .caption = "选择要执行的文件:",
             .textColour = 0x606060, .backColour = 0xFFFFFF},
            {.name = "图形按钮4", .kind = ControlKind::PictureButton, .parent = "REC分组框",
             .left = 212, .top = 105, .width = 30, .height = 20, .enabled = false,
             .images = "browse"},
            {.name = "图形按钮3", .kind = ControlKind::PictureButton, .parent = "REC分组框",
             .left = 212, .top = 65, .width = 30, .height = 20, .enabled = false,
             .images = "browse"},
            {.name = "签名", .kind = ControlKind::CheckBox, .parent = "REC分组框",
             .left = 158, .top = 18, .width = 48, .height = 15, .enabled = false,
             .caption = "签名", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "回编译", .kind = ControlKind::CheckBox, .parent = "REC分组框",
             .left = 80, .top = 18, .width = 60, .height = 15, .enabled = false,
             .caption = "回编译", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "图形按钮2", .kind = ControlKind::PictureButton, .parent = "重启分组框",
             .left = 212, .top = 65, .width = 30, .height = 20, .images = "browse"},
            {.name = "资源2", .kind = ControlKind::EditBox, .parent = "重启分组框",
             .left = 10, .top = 65, .width = 200, .height = 18,
             .content = "framework\\oppo-framework-res.apk",
             .textColour = 0x000000, .backColour = 0xFFFFFF, .border = Border::Sunken},
            {.name = "图形按钮1", .kind = ControlKind::PictureButton, .parent = "重启分组框",
             .left = 212, .top = 35, .width = 30, .height = 20, .images = "browse"},
            {.name = "资源1", .kind = ControlKind::EditBox, .parent = "重启分组框",
             .left = 10, .top = 35, .width = 200, .height = 18,
             .content = "framework\\framework-res.apk",
             .textColour = 0x000000, .backColour = 0xFFFFFF, .border = Border::Sunken},
            {.name = "标签1", .kind = ControlKind::Label, .parent = "重启分组框",
             .left = 10, .top = 15, .width = 152, .height = 15,
             .caption = "编译之前,请先载入资源!",
             .textColour = 0x008080, .backColour = 0xFFFFFF},
            {.name = "资源3", .kind = ControlKind::EditBox, .parent = "REC分组框",
             .left = 10, .top = 65, .width = 200, .height = 18, .enabled = false,
             .textColour = 0x008080, .backColour = 0xFFFFFF,
             .readOnly = true, .border = Border::Sunken},
            {.name = "反编译", .kind = ControlKind::CheckBox, .parent = "REC分组框",
             .left = 10, .top = 18, .width = 60, .height = 15, .enabled = false,
             .caption = "反编译", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "资源4", .kind = ControlKind::EditBox, .parent = "REC分组框",
             .left = 10, .top = 105, .width = 200, .height = 18, .enabled = false,
             .textColour = 0x008080, .backColour = 0xFFFFFF,
             .readOnly = true, .border = Border::Sunken},
            {.name = "通用对话框1", .kind = ControlKind::FileChooser, .defaultExtension = ".apk"},
            {.name = "刷机模式返回", .kind = ControlKind::PictureButton,
             .left = 10, .top = 385, .width = 100, .height = 30, .images = "back"},
            {.name = "刷机模式下一步", .kind = ControlKind::PictureButton,
             .left = 149, .top = 385, .width = 100, .height = 30, .images = "next"},
            {.name = "编译模式", .kind = ControlKind::RadioButton,
             .left = 5, .top = 175, .width = 110, .height = 15,
             .caption = "编译模式:", .checked = false,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "载入资源", .kind = ControlKind::RadioButton,
             .left = 5, .top = 65, .width = 83, .height = 15,
             .caption = "载入资源:", .checked = true,
             .textColour = 0x0088FF, .backColour = 0xFFFFFF},
            {.name = "关闭", .kind = ControlKind::PictureButton,
             .left = 227, .top = 9, .width = 24, .height = 24, .images = "close"},
            {.name = "重启分组框", .kind = ControlKind::GroupBox,
             .left = 5, .top = 75, .width = 250, .height = 95},
            {.name = "REC分组框", .kind = ControlKind::GroupBox,
             .left = 5, .top = 186, .width = 250, .height = 142},
            {.name = "标签3", .kind = ControlKind::Label, .parent = "REC分组框",
             .left = 10, .top = 88, .width = 113, .height = 15, .enabled = false,
             .caption = "选择要保存的目录:",
             .textColour = 0x606060, .backColour = 0xFFFFFF},
        },
        // clang-format on
    };
    return compile;
}

}  // namespace tarnwick::ui
