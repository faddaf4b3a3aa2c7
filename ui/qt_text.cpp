#include "ui/qt_text.h"

#include "host/encoding.h"

namespace tarnwick::ui {

QString ToQString(const Text& text) {
    return QString::fromStdU16String(Utf16FromText(text));
}

Text TextFromQString(const QString& string) {
    return TextFromUtf16(string.toStdU16String());
}

// UTF-16 on both sides: on Windows the native form, elsewhere the file-system names' UTF-8.
QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::filesystem::path PathFromQString(const QString& string) {
    return std::filesystem::path(string.toStdU16String());
}

}  // namespace tarnwick::ui
