#include "ui/compile_window.h"

namespace tarnwick::ui {

CompileWindow::CompileWindow(Window& window)
    : window(window),
      标签2(window.control<Label>("标签2")),
      图形按钮4(window.control<PictureButton>("图形按钮4")),
      图形按钮3(window.control<PictureButton>("图形按钮3")),
      签名(window.control<CheckBox>("签名")),
      回编译(window.control<CheckBox>("回编译")),
      图形按钮2(window.control<PictureButton>("图形按钮2")),
      资源2(window.control<EditBox>("资源2")),
      图形按钮1(window.control<PictureButton>("图形按钮1")),
      资源1(window.control<EditBox>("资源1")),
      标签1(window.control<Label>("标签1")),
      资源3(window.control<EditBox>("资源3")),
      反编译(window.control<CheckBox>("反编译")),
      资源4(window.control<EditBox>("资源4")),
      通用对话框1(window.chooser()),
      刷机模式返回(window.control<PictureButton>("刷机模式返回")),
      刷机模式下一步(window.control<PictureButton>("刷机模式下一步")),
      编译模式(window.control<RadioButton>("编译模式")),
      载入资源(window.control<RadioButton>("载入资源")),
      关闭(window.control<PictureButton>("关闭")),
      重启分组框(window.control<GroupBox>("重启分组框")),
      REC分组框(window.control<GroupBox>("REC分组框")),
      标签3(window.control<Label>("标签3")) {}

}  // namespace tarnwick::ui
