#include "ui/art/art.h"

#include <QResource>

#include <cctype>
#include <charconv>
#include <string_view>

namespace tarnwick {
namespace {

// Reads one whitespace-led decimal field of a PPM header from `header`, moving past it.
bool ReadField(std::string_view& header, int& value) {
    const auto digits = header.find_first_not_of(" \t\r\n");
    if (digits == 0 || digits == std::string_view::npos) {
        return false;
    }
    const char* end = header.data() + header.size();
    const auto [next, error] = std::from_chars(header.data() + digits, end, value);
    if (error != std::errc() || value <= 0) {
        return false;
    }
    header.remove_prefix(static_cast<std::size_t>(next - header.data()));
    return true;
}

}  // namespace

QString ArtPath(QStringView name) {
    return QStringLiteral(":/art/%1.ppm").arg(name);
}

QImage ArtImage(QStringView name) {
    const QResource resource(ArtPath(name));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    // "P6", the width, the height and the largest channel value 255, each after whitespace;
    // one whitespace character; then the rows.
    std::string_view file(reinterpret_cast<const char*>(resource.data()),
                          static_cast<std::size_t>(resource.size()));
    if (!file.starts_with("P6")) {
        return {};
    }
    file.remove_prefix(2);
    int width = 0, height = 0, largest = 0;
    if (!ReadField(file, width) || !ReadField(file, height) || !ReadField(file, largest) ||
        largest != 255 || file.empty() || !std::isspace(static_cast<unsigned char>(file[0]))) {
        return {};
    }
    file.remove_prefix(1);
    if (file.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(file.data()), width, height, qsizetype{width} * 3,
                  QImage::Format_RGB888);
}

}  // namespace tarnwick
