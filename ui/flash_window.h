#pragma once
// The flash-mode window's controls by their template names, bound once after the window is built.
// Members follow the template's order.

#include "ui/window.h"

namespace tarnwick::ui {

struct FlashWindow {
    explicit FlashWindow(Window& window);

    Window& window;
    GroupBox& 显示框;
    EditBox& 显示窗;
    EditBox& 备份路径;
    RadioButton& 备份;
    CheckBox& 临时进入REC;
    CheckBox& 清空CACHE;
    CheckBox& 清空DATA;
    RadioButton& ROM单选框;
    GroupBox& REC分组框1;
    EditBox& ROM路径;
    ComboBox& 选择集成REC;
    EditBox& REC路径;
    RadioButton& 刷入自定REC;
    RadioButton& 刷入集成REC;
    RadioButton& 重启到FAST;
    RadioButton& 重启到REC;
    RadioButton& 重新启动;
    FileChooser& 通用对话框1;
    PictureButton& 刷机模式返回;
    PictureButton& 刷机模式下一步;
    RadioButton& REC单选框;
    RadioButton& 重启单选框;
    PictureButton& 关闭;
    GroupBox& 重启分组框;
    GroupBox& REC分组框;
};

}  // namespace tarnwick::ui
