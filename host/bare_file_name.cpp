#include "host/bare_file_name.h"

namespace tarnwick {

Text BareFileName(const Text& path) {
    const int lastSlash = FindTextReverse(path, "/");
    const Text upToLastSlash = LeftText(path, lastSlash);
    const int lastBackslash = FindTextReverse(path, "\\");
    // Without a backslash the count is the length plus one: the whole path.
    const Text afterLastBackslash = RightText(path, TextLength(path) - lastBackslash);
    return upToLastSlash + afterLastBackslash;
}

}  // namespace tarnwick
