#pragma once
// The five window templates. Each is built once, on first use, and never changes.

#include "ui/window_template.h"

namespace tarnwick::ui {

const WindowTemplate& HomeWindowTemplate();
const WindowTemplate& PushWindowTemplate();
const WindowTemplate& FlashWindowTemplate();
const WindowTemplate& CompileWindowTemplate();
const WindowTemplate& InfoWindowTemplate();

}  // namespace tarnwick::ui
