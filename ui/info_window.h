#pragma once
// The info window's controls by their template names, bound once after the window is built.
// Members follow the template's order.

#include "ui/window.h"

namespace tarnwick::ui {

struct InfoWindow {
    explicit InfoWindow(Window& window);

    Window& window;
    PictureButton& 关闭;
    Label& 标签1;
    EditBox& 编辑框1;
};

}  // namespace tarnwick::ui
