#pragma once
// The form's own reactions: the two task radio buttons, the three operation check boxes and
// the output name that follows the input.

#include "host/text.h"
#include "ui/compile_window.h"

namespace tarnwick::compile {

// 载入资源: the framework boxes become usable, the compile controls not.
void SelectFrameworkTask(ui::CompileWindow& w);
// 编译模式: the reverse.
void SelectCompileTask(ui::CompileWindow& w);

// After a click on 反编译, 回编译 or 签名 has toggled its own mark: the other two lose theirs
// and both paths are cleared. A second click on a checked box so leaves no operation.
void ChooseOperation(ui::CompileWindow& w, ui::CheckBox& chosen);

// The input's text before its last ".apk" (case-sensitive); "" when it holds none.
Text OutputNameFor(const Text& input);
// 资源3 changed: 资源4 becomes the output name for it.
void DeriveOutputName(ui::CompileWindow& w);

}  // namespace tarnwick::compile
