#pragma once
// The handlers whose work is moving between windows: mode buttons, back buttons, the feedback
// panel and the placing of newly opened windows.

#include "app/window_manager.h"
#include "ui/flash_window.h"
#include "ui/home_window.h"

namespace tarnwick::app {

// A mode button: the mode's window takes the home window's place.
void EnterMode(WindowManager& windows, WindowKind mode);
// Created handler of the mode windows: open where the home window stands.
void TakeHomePosition(WindowManager& windows, ui::Window& modeWindow);
// A back button: a new home window takes the mode window's place; after keyboard use there,
// with the focus on the mode's button.
void ReturnHome(WindowManager& windows, WindowKind mode);
// 刷机模式返回 of the flash-mode window: leaves the log view first, then the window.
void LeaveFlashWindow(WindowManager& windows, ui::FlashWindow& flash);
// Created handler of the info window: below and left of the compile-mode window.
void PlaceInfoWindow(WindowManager& windows, ui::Window& info);

void ShowFeedbackPanel(ui::HomeWindow& home);
void HideFeedbackPanel(ui::HomeWindow& home);

}  // namespace tarnwick::app
