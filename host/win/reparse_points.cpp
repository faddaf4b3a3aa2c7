#include "host/win/reparse_points.h"

#include <utility>

namespace tarnwick {

namespace {

struct StandIn {
    std::wstring name;
    DWORD tag = 0;
};

StandIn& TagStandIn() {
    static StandIn standIn;
    return standIn;
}

}  // namespace

bool IsLinkEntry(std::wstring_view name, DWORD attributes, DWORD reparseTag) {
    if (const StandIn& standIn = TagStandIn(); !standIn.name.empty() && name == standIn.name) {
        attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
        reparseTag = standIn.tag;
    }
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           IsReparseTagNameSurrogate(reparseTag);
}

void SetReparseTagStandIn(std::wstring name, DWORD tag) {
    TagStandIn() = {std::move(name), tag};
}

}  // namespace tarnwick
