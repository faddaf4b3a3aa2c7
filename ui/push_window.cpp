#include "ui/push_window.h"

namespace tarnwick::ui {

PushWindow::PushWindow(Window& window)
    : window(window),
      信息显示窗(window.control<EditBox>("信息显示窗")),
      信息窗口返回(window.control<PictureButton>("信息窗口返回")),
      标签4(window.control<Label>("标签4")),
      SYS编辑框(window.control<EditBox>("SYS编辑框")),
      SYS编辑框1(window.control<EditBox>("SYS编辑框1")),
      SD编辑框(window.control<EditBox>("SD编辑框")),
      SD编辑框1(window.control<EditBox>("SD编辑框1")),
      通用对话框1(window.chooser()),
      NOROOT(window.control<CheckBox>("NOROOT")),
      推送服务返回(window.control<PictureButton>("推送服务返回")),
      推送服务下一步(window.control<PictureButton>("推送服务下一步")),
      标签5(window.control<Label>("标签5")),
      标签3(window.control<Label>("标签3")),
      SD单选框(window.control<RadioButton>("SD单选框")),
      SYS单选框(window.control<RadioButton>("SYS单选框")),
      标签2(window.control<Label>("标签2")),
      APK单选框(window.control<RadioButton>("APK单选框")),
      标签1(window.control<Label>("标签1")),
      关闭(window.control<PictureButton>("关闭")) {}

}  // namespace tarnwick::ui
