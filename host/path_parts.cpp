#include "host/path_parts.h"

namespace tarnwick {

Text NameOf(const Text& path) {
    const int lastBackslash = FindTextReverse(path, "\\");
    return lastBackslash > 0 ? RightText(path, TextLength(path) - lastBackslash) : path;
}

}  // namespace tarnwick
