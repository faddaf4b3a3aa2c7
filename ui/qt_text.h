#pragma once
// Texts at the Qt edge: the program's encoding to and from Qt strings.

#include <QString>

#include "host/text.h"

namespace tarnwick::ui {

QString ToQString(const Text& text);
Text FromQString(const QString& text);

}  // namespace tarnwick::ui
