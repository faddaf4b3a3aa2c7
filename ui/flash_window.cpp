#include "ui/flash_window.h"

namespace tarnwick::ui {

FlashWindow::FlashWindow(Window& window)
    : window(window),
      显示框(window.control<GroupBox>("显示框")),
      显示窗(window.control<EditBox>("显示窗")),
      备份路径(window.control<EditBox>("备份路径")),
      备份(window.control<RadioButton>("备份")),
      临时进入REC(window.control<CheckBox>("临时进入REC")),
      清空CACHE(window.control<CheckBox>("清空CACHE")),
      清空DATA(window.control<CheckBox>("清空DATA")),
      ROM单选框(window.control<RadioButton>("ROM单选框")),
      REC分组框1(window.control<GroupBox>("REC分组框1")),
      ROM路径(window.control<EditBox>("ROM路径")),
      选择集成REC(window.control<ComboBox>("选择集成REC")),
      REC路径(window.control<EditBox>("REC路径")),
      刷入自定REC(window.control<RadioButton>("刷入自定REC")),
      刷入集成REC(window.control<RadioButton>("刷入集成REC")),
      重启到FAST(window.control<RadioButton>("重启到FAST")),
      重启到REC(window.control<RadioButton>("重启到REC")),
      重新启动(window.control<RadioButton>("重新启动")),
      通用对话框1(window.chooser()),
      刷机模式返回(window.control<PictureButton>("刷机模式返回")),
      刷机模式下一步(window.control<PictureButton>("刷机模式下一步")),
      REC单选框(window.control<RadioButton>("REC单选框")),
      重启单选框(window.control<RadioButton>("重启单选框")),
      关闭(window.control<PictureButton>("关闭")),
      重启分组框(window.control<GroupBox>("重启分组框")),
      REC分组框(window.control<GroupBox>("REC分组框")) {}

}  // namespace tarnwick::ui
