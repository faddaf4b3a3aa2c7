#pragma once
// The program's five windows.

#include <array>

#include "ui/window_template.h"

namespace tarnwick::app {

enum class WindowKind { Home, Push, Flash, Compile, Info };

inline constexpr std::array kAllWindowKinds = {
    WindowKind::Home, WindowKind::Push, WindowKind::Flash, WindowKind::Compile, WindowKind::Info};

const ui::WindowTemplate& TemplateOf(WindowKind kind);

}  // namespace tarnwick::app
