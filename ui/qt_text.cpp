#include "ui/qt_text.h"

#include <string_view>

#include "host/encoding.h"

namespace tarnwick::ui {

QString ToQString(const Text& text) {
    return QString::fromStdU16String(Utf16FromText(text));
}

Text FromQString(const QString& text) {
    return TextFromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

}  // namespace tarnwick::ui
