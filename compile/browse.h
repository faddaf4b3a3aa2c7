#pragma once
// The browse buttons of the compile-mode window. Each check mark is looked at in turn, so a
// form with several marks (only possible before the first operation click) browses for each.
// A cancelled chooser changes neither box: the chooser's remembered name may be the APK just
// decompiled, which a rebuild or signing would then overwrite.

#include "host/host.h"
#include "ui/compile_window.h"

namespace tarnwick::compile {

// 图形按钮3: the APK to decompile or sign, or the folder to rebuild, into 资源3.
void ChooseInput(ui::CompileWindow& w, Host& host);
// 图形按钮4: the APK to create, or for a decompile a new folder named after the APK inside the
// chosen folder, into 资源4.
void ChooseOutput(ui::CompileWindow& w, Host& host);
// 图形按钮1: the system's file browser at the root of drive C.
void OpenDriveC(Host& host);

}  // namespace tarnwick::compile
