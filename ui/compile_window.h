#pragma once
// The compile-mode window's controls by their template names, bound once after the window is built.
// Members follow the template's order.

#include "ui/window.h"

namespace tarnwick::ui {

struct CompileWindow {
    explicit CompileWindow(Window& window);

    Window& window;
    Label& 标签2;
    PictureButton& 图形按钮4;
    PictureButton& 图形按钮3;
    CheckBox& 签名;
    CheckBox& 回编译;
    PictureButton& 图形按钮2;
    EditBox& 资源2;
    PictureButton& 图形按钮1;
    EditBox& 资源1;
    Label& 标签1;
    EditBox& 资源3;
    CheckBox& 反编译;
    EditBox& 资源4;
    FileChooser& 通用对话框1;
    PictureButton& 刷机模式返回;
    PictureButton& 刷机模式下一步;
    RadioButton& 编译模式;
    RadioButton& 载入资源;
    PictureButton& 关闭;
    GroupBox& 重启分组框;
    GroupBox& REC分组框;
    Label& 标签3;
};

}  // namespace tarnwick::ui
