#pragma once
// Cutting one fuzz input into the pieces a target needs.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarnwick::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next byte as a number (0 when none is left).
    unsigned Byte() {
        if (rest_.empty()) {
            return 0;
        }
        const auto byte = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    // The bytes up to the next zero byte (or the end), which is consumed.
    std::string_view Piece() {
        const std::size_t end = rest_.find('\0');
        const std::string_view piece = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return piece;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace tarnwick::fuzz
