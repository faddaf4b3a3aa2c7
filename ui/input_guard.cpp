#include "ui/input_guard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <cstdint>
#include <map>
#include <optional>
#include <set>

namespace tarnwick::ui {
namespace {

// What the user does to the windows. A close request from the window system is spontaneous;
// the program's own closes are not, and they go on.
bool IsUserInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        case QEvent::Close:
            return event.spontaneous();
        default:
            return false;
    }
}

// A key by its place on the keyboard where the platform tells it (the accessibility bridge's
// copies of a key event keep it), else by its Qt key.
using KeyId = std::uint64_t;

KeyId IdOf(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? event.nativeScanCode()
                                       : (KeyId{1} << 32) | static_cast<std::uint32_t>(event.key());
}

class InputGuard : public QObject {
public:
    int waits = 0;

    // First in the application's filters, before the accessibility bridge's, which holds key
    // events back and posts copies of them without the window system's time.
    void PutFirst() {
        QCoreApplication::instance()->removeEventFilter(this);
        QCoreApplication::instance()->installEventFilter(this);
    }

    void HoldKeysDown() {
        for (const KeyId key : down_) {
            held_.try_emplace(key);
        }
    }

protected:
    bool eventFilter(QObject* /*receiver*/, QEvent* event) override {
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        if ((key && IsHeld(static_cast<const QKeyEvent&>(*event))) ||
            (waits > 0 && IsUserInput(*event))) {
            // A dropped close request is refused; dropped input counts as handled, so that it
            // does not travel on to the parent widgets.
            event->setAccepted(event->type() != QEvent::Close);
            return true;
        }
        return false;
    }

private:
    // Keeps count of the keys that are down and held, and tells whether this event belongs to
    // a held key. The window system's auto-repeat is a release and a press at the same time;
    // when the release comes before its press has arrived, Qt does not see the repeat, so a
    // held key's release counts only once no press of the same time follows it. A press that
    // is no repeat, of a key whose release went elsewhere, is a new one.
    bool IsHeld(const QKeyEvent& event) {
        const KeyId key = IdOf(event);
        const bool press = event.type() == QEvent::KeyPress;
        if (!event.isAutoRepeat()) {
            press ? (void)down_.insert(key) : (void)down_.erase(key);
        }
        auto held = held_.find(key);
        if (press && held != held_.end() &&
            (held->second ? *held->second != event.timestamp() : !event.isAutoRepeat())) {
            held_.erase(held);  // pressed anew after its release
            held = held_.end();
        }
        if (held == held_.end()) {
            if (!press || waits == 0) {
                return false;
            }
            held = held_.try_emplace(key).first;
        }
        if (!press && !event.isAutoRepeat()) {
            if (event.timestamp() == 0) {
                held_.erase(held);
            } else {
                held->second = event.timestamp();
            }
        }
        return true;
    }

    std::set<KeyId> down_;
    std::map<KeyId, std::optional<quint64>> held_;  // held keys, with the time of a release
};

InputGuard& Guard() {
    static InputGuard* guard = [] {
        auto* made = new InputGuard;
        made->setParent(QCoreApplication::instance());
        made->PutFirst();
        return made;
    }();
    return *guard;
}

}  // namespace

void InstallInputGuard() {
    Guard();
}

WaitScope::WaitScope() {
    InputGuard& guard = Guard();
    guard.PutFirst();
    guard.HoldKeysDown();
    ++guard.waits;
}

WaitScope::~WaitScope() {
    --Guard().waits;
}

bool Waiting() {
    return Guard().waits > 0;
}

void HoldKeysDown() {
    InputGuard& guard = Guard();
    guard.PutFirst();
    guard.HoldKeysDown();
}

}  // namespace tarnwick::ui
