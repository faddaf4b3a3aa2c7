#include "ui/info_window.h"

namespace tarnwick::ui {

InfoWindow::InfoWindow(Window& window)
    : window(window),
      关闭(window.control<PictureButton>("关闭")),
      标签1(window.control<Label>("标签1")),
      编辑框1(window.control<EditBox>("编辑框1")) {}

}  // namespace tarnwick::ui
