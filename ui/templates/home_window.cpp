// The home window: the mode buttons and the feedback panel that 意见反馈 shows.

#include "ui/templates.h"

namespace tarnwick::ui {

const WindowTemplate& HomeWindowTemplate() {
    static const WindowTemplate home{
        .title = "Tarnwick",
        .width = 260,
        .height = 450,
        .background = "home_background",
        .backColour = 0xFFFFFF,
        .left = std::nullopt,  // centred
        .top = std::nullopt,
        .taskbarButton = true,
        .spokenTitle = "Tarnwick",
        // One record per control, topmost first.
        // clang-format off
        .controls = {
            // The feedback panel, hidden until 意见反馈 shows it. A link without a caption shows
            // its address, which is short enough to fit its box in the program's fonts.
            {.name = "标签1", .kind = ControlKind::Label,
             .left = 30, .top = 273, .width = 152, .height = 16, .visible = false,
             .caption = "Tarnwick 开发组",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .font = {"微软雅黑", 13}},
            {.name = "超级链接框3", .kind = ControlKind::Hyperlink,
             .left = 27, .top = 254, .width = 48, .height = 18, .visible = false,
             .caption = "塔维克", .address = "https://tw.example/u/tarnwick",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .hoverColour = 0x0088FF,
             .font = {"微软雅黑", 13}},
            {.name = "超级链接框2", .kind = ControlKind::Hyperlink,
             .left = 20, .top = 290, .width = 144, .height = 16, .visible = false,
             .address = "https://tw.example",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .hoverColour = 0x0088FF,
             .font = {"微软雅黑", 13}},
            {.name = "超级链接框1", .kind = ControlKind::Hyperlink,
             .left = 21, .top = 307, .width = 183, .height = 16, .visible = false,
             .address = "https://weibo.example/tw",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .hoverColour = 0x0088FF,
             .font = {"微软雅黑", 13}},
            {.name = "显示窗", .kind = ControlKind::EditBox,
             .left = 25, .top = 68, .width = 210, .height = 280, .visible = false,
             .content = "\r\n"
                        "欢迎使用Tarnwick!\r\n"
                        "\r\n"
                        "目前版本为测试版本,有可能会存在各种未知问题!不能保证支持所有机器!\r\n"
                        "如果您在使用中有任何疑问,建议或发现BUG等,欢迎反馈!\r\n"
                        "工具箱部分功能需要JAVA环境支持!\r\n"
                        "\r\n"
                        "\r\n"
                        "\r\n",
             .textColour = 0x000000, .backColour = 0xFFFFFF, .font = {"微软雅黑", 12},
             .multiLine = true, .readOnly = true, .border = Border::None, .purpose = "说明"},
            // Lies exactly over 意见反馈 while the feedback panel is shown.
            {.name = "返回首页", .kind = ControlKind::PictureButton,
             .left = 30, .top = 358, .width = 200, .height = 32, .visible = false,
             .images = "mode_home",
             .imageCaption = "返回首页"},
            {.name = "标签3", .kind = ControlKind::Label,
             .left = 104, .top = 420, .width = 136, .height = 20,
             .caption = "版本 : v1.0",
             .textColour = 0x008080, .backColour = 0xFFFFFF, .font = {"微软雅黑", 14},
             .alignment = Alignment::Right},
            {.name = "意见反馈", .kind = ControlKind::PictureButton,
             .left = 30, .top = 358, .width = 200, .height = 32, .images = "mode_feedback",
             .imageCaption = "意见反馈"},
            {.name = "编译模式", .kind = ControlKind::PictureButton,
             .left = 30, .top = 306, .width = 200, .height = 32, .images = "mode_compile",
             .imageCaption = "编译模式"},
            {.name = "刷机模式", .kind = ControlKind::PictureButton,
             .left = 30, .top = 254, .width = 200, .height = 32, .images = "mode_flash",
             .imageCaption = "刷机模式"},
            {.name = "推送模式", .kind = ControlKind::PictureButton,
             .left = 30, .top = 202, .width = 200, .height = 32, .images = "mode_push",
             .imageCaption = "推送模式"},
            {.name = "关闭", .kind = ControlKind::PictureButton,
             .left = 227, .top = 9, .width = 24, .height = 24, .images = "close",
             .imageCaption = "关闭"},
            {.name = "破解模式", .kind = ControlKind::PictureButton,
             .left = 30, .top = 150, .width = 200, .height = 32, .images = "mode_crack",
             .imageCaption = "破解模式"},
        },
        // clang-format on
    };
    return home;
}

}  // namespace tarnwick::ui
