#include "ui/home_window.h"

namespace tarnwick::ui {

HomeWindow::HomeWindow(Window& window)
    : window(window),
      标签1(window.control<Label>("标签1")),
      超级链接框3(window.control<Hyperlink>("超级链接框3")),
      超级链接框2(window.control<Hyperlink>("超级链接框2")),
      超级链接框1(window.control<Hyperlink>("超级链接框1")),
      显示窗(window.control<EditBox>("显示窗")),
      返回首页(window.control<PictureButton>("返回首页")),
      标签3(window.control<Label>("标签3")),
      意见反馈(window.control<PictureButton>("意见反馈")),
      编译模式(window.control<PictureButton>("编译模式")),
      刷机模式(window.control<PictureButton>("刷机模式")),
      推送模式(window.control<PictureButton>("推送模式")),
      关闭(window.control<PictureButton>("关闭")),
      破解模式(window.control<PictureButton>("破解模式")) {}

}  // namespace tarnwick::ui
