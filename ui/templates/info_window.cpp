// The info window: shows the captured output of a compile tool.

#include "ui/templates.h"

namespace tarnwick::ui {

const WindowTemplate& InfoWindowTemplate() {
    static const WindowTemplate info{
        .title = "Mirelkit",
        .width = 420,
        .height = 300,
        .background = "info_background",
        .backColour = std::nullopt,  // the system's default
        .left = 50,
        .top = 50,
        .taskbarButton = false,
        .spokenTitle = "信息",
        // One record per control, topmost first.
        // clang-format off
        .controls = {
            {.name = "关闭", .kind = ControlKind::PictureButton,
             .left = 387, .top = 2, .width = 24, .height = 24, .images = "close",
             .imageCaption = "关闭"},
            // The window's title strip: white text on a green picture.
            {.name = "标签1", .kind = ControlKind::Label,
             .left = 0, .top = -1, .width = 420, .height = 30,
             .caption = "信息",
             .textColour = 0xFFFFFF, .font = {nullptr, 16},
             .alignment = Alignment::Centre, .backImage = "info_title"},
            {.name = "编辑框1", .kind = ControlKind::EditBox,
             .left = 5, .top = 40, .width = 412, .height = 250,
             .textColour = 0x000000, .backColour = 0xFFFFFF,
             .multiLine = true, .readOnly = false, .verticalScrollBar = true,
             .border = Border::None,
             .labelledBy = "标签1"},
        },
        // clang-format on
    };
    return info;
}

}  // namespace tarnwick::ui
