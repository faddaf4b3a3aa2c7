#pragma once
// The home window's controls by their template names, bound once after the window is built.
// Members follow the template's order.

#include "ui/window.h"

namespace tarnwick::ui {

struct HomeWindow {
    explicit HomeWindow(Window& window);

    Window& window;
    Label& 标签1;
    Hyperlink& 超级链接框3;
    Hyperlink& 超级链接框2;
    Hyperlink& 超级链接框1;
    EditBox& 显示窗;
    PictureButton& 返回首页;
    Label& 标签3;
    PictureButton& 意见反馈;
    PictureButton& 编译模式;
    PictureButton& 刷机模式;
    PictureButton& 推送模式;
    PictureButton& 关闭;
    PictureButton& 破解模式;
};

}  // namespace tarnwick::ui
