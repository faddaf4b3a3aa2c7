#include "ui/reading_order.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <tuple>

namespace tarnwick::ui {
namespace {

// Every window's title strip lies above this line; its body below.
constexpr int kTitleStripBottom = 40;

bool TakesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::EditBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
        case ControlKind::ComboBox:
        case ControlKind::Hyperlink:
        case ControlKind::PictureButton:
            return true;
        case ControlKind::Label:
        case ControlKind::GroupBox:
        case ControlKind::FileChooser:
            return false;
    }
    return false;
}

}  // namespace

std::vector<const ControlRecord*> ReadingOrder(const WindowTemplate& source) {
    std::map<std::string_view, const ControlRecord*> groupBoxes;
    for (const ControlRecord& record : source.controls) {
        if (record.kind == ControlKind::GroupBox) {
            groupBoxes[record.name] = &record;
        }
    }
    struct Place {
        bool inTitleStrip;
        int top, left;
        const ControlRecord* record;
    };
    std::vector<Place> places;
    for (const ControlRecord& record : source.controls) {
        if (!TakesFocus(record.kind)) {
            continue;
        }
        int top = record.top, left = record.left;
        if (record.parent) {
            const ControlRecord& box = *groupBoxes.at(record.parent);
            top += box.top;
            left += box.left;
        }
        places.push_back({top + record.height <= kTitleStripBottom, top, left, &record});
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return std::tie(a.inTitleStrip, a.top, a.left) < std::tie(b.inTitleStrip, b.top, b.left);
    });
    std::vector<const ControlRecord*> order;
    order.reserve(places.size());
    for (const Place& place : places) {
        order.push_back(place.record);
    }
    return order;
}

}  // namespace tarnwick::ui
