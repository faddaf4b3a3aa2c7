#pragma once
// The push window's controls by their template names, bound once after the window is built.
// Members follow the template's order.

#include "ui/window.h"

namespace tarnwick::ui {

struct PushWindow {
    explicit PushWindow(Window& window);

    Window& window;
    EditBox& 信息显示窗;
    PictureButton& 信息窗口返回;
    Label& 标签4;
    EditBox& SYS编辑框;
    EditBox& SYS编辑框1;
    EditBox& SD编辑框;
    EditBox& SD编辑框1;
    FileChooser& 通用对话框1;
    CheckBox& NOROOT;
    PictureButton& 推送服务返回;
    PictureButton& 推送服务下一步;
    Label& 标签5;
    Label& 标签3;
    RadioButton& SD单选框;
    RadioButton& SYS单选框;
    Label& 标签2;
    RadioButton& APK单选框;
    Label& 标签1;
    PictureButton& 关闭;
};

}  // namespace tarnwick::ui
