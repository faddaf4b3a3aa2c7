#pragma once
// Conversions between the program's texts and paths and Qt strings, for the windows and dialogs.

#include <QString>
#include <filesystem>

#include "host/text.h"

namespace tarnwick::ui {

QString ToQString(const Text& text);
Text TextFromQString(const QString& string);

QString ToQString(const std::filesystem::path& path);
std::filesystem::path PathFromQString(const QString& string);

}  // namespace tarnwick::ui
