#pragma once
// One factory per control kind: each creates its Qt widget inside `parent`, at the record's
// place and with the presets of its kind. Visibility and enabled state are the builder's.

#include <memory>

#include "ui/controls.h"
#include "ui/window_template.h"

class QWidget;

namespace tarnwick::ui {

std::unique_ptr<Control> MakeLabel(const ControlRecord& record, QWidget* parent);
std::unique_ptr<Control> MakeEditBox(const ControlRecord& record, QWidget* parent);
std::unique_ptr<Control> MakeGroupBox(const ControlRecord& record, QWidget* parent);
std::unique_ptr<Control> MakeRadioButton(const ControlRecord& record, QWidget* parent);
std::unique_ptr<Control> MakeCheckBox(const ControlRecord& record, QWidget* parent);
std::unique_ptr<Control> MakeComboBox(const ControlRecord& record, QWidget* parent);
std::unique_ptr<Control> MakeHyperlink(const ControlRecord& record, QWidget* parent);
std::unique_ptr<Control> MakePictureButton(const ControlRecord& record, QWidget* parent);

}  // namespace tarnwick::ui
