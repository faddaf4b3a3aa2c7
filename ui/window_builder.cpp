// Builds a window from its template: the window at its start position, then every control
// inside its parent, stacked as the template lists them, shown or hidden and enabled; then the
// Tab order and the names that screen readers give the edit boxes.

#include <QGuiApplication>
#include <QScreen>

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/controls/accessible_face.h"
#include "ui/controls/factories.h"
#include "ui/event.h"
#include "ui/input_guard.h"
#include "ui/reading_order.h"
#include "ui/window.h"
#include "ui/window_widget.h"

namespace tarnwick::ui {
namespace {

using Factory = std::unique_ptr<Control> (*)(const ControlRecord&, QWidget*);

Factory FactoryFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return MakeLabel;
        case ControlKind::EditBox:
            return MakeEditBox;
        case ControlKind::GroupBox:
            return MakeGroupBox;
        case ControlKind::RadioButton:
            return MakeRadioButton;
        case ControlKind::CheckBox:
            return MakeCheckBox;
        case ControlKind::ComboBox:
            return MakeComboBox;
        case ControlKind::Hyperlink:
            return MakeHyperlink;
        case ControlKind::PictureButton:
            return MakePictureButton;
        case ControlKind::FileChooser:
            break;
    }
    return nullptr;
}

// Centred on the primary screen with integer division, or the template's own position.
QPoint StartPosition(const WindowTemplate& source) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return QPoint(source.left.value_or(screen.x() + (screen.width() - source.width) / 2),
                  source.top.value_or(screen.y() + (screen.height() - source.height) / 2));
}

// The caption that names the control on screen (its label's, or its picture's), then its part
// in the flow: "载入资源: 框架文件1", "浏览: 要执行的文件".
QString SpokenName(const ControlRecord& record,
                   const std::map<std::string_view, const ControlRecord*>& byName) {
    QString caption = QString::fromUtf8(record.labelledBy ? byName.at(record.labelledBy)->caption
                                                          : record.imageCaption);
    if (!record.purpose) {
        return caption;
    }
    const QString purpose = QString::fromUtf8(record.purpose);
    if (caption.endsWith(u':')) {
        caption.chop(1);
    }
    return caption.isEmpty() ? purpose : caption + QStringLiteral(": ") + purpose;
}

}  // namespace

std::unique_ptr<Window> BuildWindow(const WindowTemplate& source) {
    InstallAccessibleFaces();
    InstallInputGuard();
    auto* face = new WindowWidget(source);
    face->move(StartPosition(source));
    std::unique_ptr<Window> window(new Window(source, face));
    face->closeRequested = [owner = window.get()] { Raise(owner->onCloseRequest); };

    // Group boxes come first, so that every control finds its parent.
    std::map<std::string_view, QWidget*> groupBoxes;
    std::map<const ControlRecord*, QWidget*> widgets;
    auto create = [&](const ControlRecord& record) {
        QWidget* parent = face;
        if (record.parent) {
            const auto found = groupBoxes.find(record.parent);
            if (found == groupBoxes.end()) {
                throw std::logic_error(std::string("no such group box: ") + record.parent);
            }
            parent = found->second;
        }
        std::unique_ptr<Control> control = FactoryFor(record.kind)(record, parent);
        QWidget* widget = control->widget();
        widget->setGeometry(record.left, record.top, record.width, record.height);
        widget->setVisible(record.visible);
        widget->setEnabled(record.enabled);
        widgets[&record] = widget;
        if (record.kind == ControlKind::GroupBox) {
            groupBoxes[record.name] = widget;
        }
        window->Add(std::move(control));
    };
    for (const ControlRecord& record : source.controls) {
        if (record.kind == ControlKind::GroupBox) {
            create(record);
        }
    }
    for (const ControlRecord& record : source.controls) {
        if (record.kind == ControlKind::FileChooser) {
            window->chooser().defaultExtension = Text(record.defaultExtension);
        } else if (record.kind != ControlKind::GroupBox) {
            create(record);
        }
    }

    // Raising from the bottom of the list up leaves the first control on top.
    for (auto record = source.controls.rbegin(); record != source.controls.rend(); ++record) {
        if (const auto found = widgets.find(&*record); found != widgets.end()) {
            found->second->raise();
        }
    }

    std::vector<QWidget*> tabStops;
    for (const ControlRecord* record : ReadingOrder(source)) {
        tabStops.push_back(widgets.at(record));
    }
    face->SetTabStops(std::move(tabStops));
    std::map<std::string_view, const ControlRecord*> byName;
    for (const ControlRecord& record : source.controls) {
        byName[record.name] = &record;
    }
    for (const ControlRecord& record : source.controls) {
        if (record.labelledBy || record.purpose) {
            widgets.at(&record)->setAccessibleName(SpokenName(record, byName));
        }
    }
    return window;
}

}  // namespace tarnwick::ui
