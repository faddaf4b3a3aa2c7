#include "app/window_kind.h"

#include "ui/templates.h"

namespace tarnwick::app {

const ui::WindowTemplate& TemplateOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Home:
            return ui::HomeWindowTemplate();
        case WindowKind::Push:
            return ui::PushWindowTemplate();
        case WindowKind::Flash:
            return ui::FlashWindowTemplate();
        case WindowKind::Compile:
            return ui::CompileWindowTemplate();
        case WindowKind::Info:
            break;
    }
    return ui::InfoWindowTemplate();
}

}  // namespace tarnwick::app
