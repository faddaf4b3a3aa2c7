// The five windows by keyboard alone and through a screen reader's eyes: Tab order, the keys
// that click, the focus mark, and the roles and names that Qt's accessibility hands on.
#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/built_window.h"
#include "ui/controls/accessible_face.h"
#include "ui/qt_host.h"
#include "ui/templates.h"
#include "ui/waits.h"

namespace tarnwick::ui {
namespace {

struct Opened {
    const char* name;
    const WindowTemplate& (*source)();
    const char* spokenTitle;
    std::vector<std::string> tabOrder;  // the controls a window shows at first, enabled
    // The log view that a task shows over the window, and the Tab order while it shows.
    std::vector<std::string> logView = {};
    std::vector<std::string> tabOrderUnderLog = {};
};

const Opened kWindows[] = {
    {"home",
     HomeWindowTemplate,
     "Tarnwick",
     {"破解模式", "推送模式", "刷机模式", "编译模式", "意见反馈", "关闭"}},
    {"push",
     PushWindowTemplate,
     "Tarnwick - 推送模式",
     {"APK单选框", "SD单选框", "SYS单选框", "推送服务返回", "推送服务下一步", "关闭"},
     {"信息显示窗", "信息窗口返回"},
     {"信息窗口返回", "推送服务下一步", "关闭"}},
    {"flash",
     FlashWindowTemplate,
     "Tarnwick - 刷机模式",
     {"重启单选框", "重新启动", "重启到REC", "重启到FAST", "REC单选框", "ROM单选框", "ROM路径",
      "刷机模式返回", "刷机模式下一步", "关闭"},
     {"显示框"},
     {"显示窗", "刷机模式返回", "刷机模式下一步", "关闭"}},
    {"compile",
     CompileWindowTemplate,
     "Tarnwick - 编译模式",
     {"载入资源", "资源1", "图形按钮1", "资源2", "图形按钮2", "编译模式", "刷机模式返回",
      "刷机模式下一步", "关闭"}},
    {"info", InfoWindowTemplate, "信息", {"编辑框1", "关闭"}},
};

class EveryWindow : public testing::WindowTest, public ::testing::WithParamInterface<Opened> {
protected:
    void SetUp() override {
        Build(GetParam().source());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    }

    QWidget* Widget(const char* name) const { return window->control<Control>(name).widget(); }

    // The control that holds the keyboard's focus; "" for none.
    std::string Focused() const {
        const QWidget* focused = QApplication::focusWidget();
        for (const ControlRecord& record : GetParam().source().controls) {
            if (focused && record.kind != ControlKind::FileChooser &&
                record.kind != ControlKind::GroupBox &&
                (Widget(record.name) == focused || Widget(record.name)->isAncestorOf(focused))) {
                return record.name;
            }
        }
        return "";
    }

    // The controls of these kinds that the user can reach now.
    std::vector<const ControlRecord*> Reachable(std::initializer_list<ControlKind> kinds) const {
        std::vector<const ControlRecord*> reachable;
        for (const ControlRecord& record : GetParam().source().controls) {
            if (std::find(kinds.begin(), kinds.end(), record.kind) != kinds.end() &&
                Widget(record.name)->isVisible() && Widget(record.name)->isEnabled()) {
                reachable.push_back(&record);
            }
        }
        return reachable;
    }

    void Tab(Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window->widget(), Qt::Key_Tab, modifiers);
    }
};

TEST_P(EveryWindow, OpensActiveWithNoControlFocusedAndTabWalksReadingOrderRound) {
    EXPECT_EQ(Focused(), "");
    const std::vector<std::string>& order = GetParam().tabOrder;
    for (std::size_t step = 0; step <= order.size(); ++step) {
        Tab();
        EXPECT_EQ(Focused(), order[step % order.size()]) << "Tab " << step + 1;
    }
    for (std::size_t step = order.size(); step-- > 0;) {
        Tab(Qt::ShiftModifier);
        EXPECT_EQ(Focused(), order[step]) << "Shift+Tab";
    }
    // A handler that hides the control just clicked leaves the focus with the window.
    window->control<Control>(order[0]).setVisible(false);
    EXPECT_EQ(Focused(), "");

    // Under a log view shown over the window, Tab reaches only what can be seen.
    for (const std::string& view : GetParam().logView) {
        window->control<Control>(view).setVisible(true);
    }
    const std::vector<std::string>& underLog = GetParam().tabOrderUnderLog;
    for (std::size_t step = 0; step < underLog.size() * 2; ++step) {
        Tab();
        EXPECT_EQ(Focused(), underLog[step % underLog.size()]) << "under the log, Tab " << step;
    }
}

// Each control by its role and a name of its own (the caption it is read by, then its part in
// the flow where that caption is shared), also with the log view shown; the window as a window
// named by its mode.
TEST_P(EveryWindow, ScreenReadersGetEachControlsRoleAndTheNameItIsReadBy) {
    using K = ControlKind;
    // By kind, in the order ControlKind lists them.
    const QAccessible::Role roles[] = {QAccessible::StaticText, QAccessible::EditableText,
                                       QAccessible::Grouping,   QAccessible::RadioButton,
                                       QAccessible::CheckBox,   QAccessible::ComboBox,
                                       QAccessible::Link,       QAccessible::Button};
    const WindowTemplate& source = GetParam().source();
    for (const ControlRecord& record : source.controls) {
        QWidget* widget = record.kind == K::FileChooser ? nullptr : Widget(record.name);
        if (!widget || (record.multiLine && !(widget = widget->focusProxy()))) {
            continue;  // a multi-line box makes its edit control when it first shows
        }
        SCOPED_TRACE(record.name);
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        EXPECT_EQ(face->role(), roles[static_cast<int>(record.kind)]);
        QString name = QString::fromUtf8(*record.caption ? record.caption : record.address);
        if (record.kind == K::PictureButton || record.labelledBy || record.purpose) {
            name = record.labelledBy ? Widget(record.labelledBy)->accessibleName()
                                     : QString::fromUtf8(record.imageCaption);
            if (record.purpose) {
                name = name.remove(QRegularExpression(":$")) + ": " + record.purpose;
            }
            EXPECT_FALSE(name.isEmpty());
        }
        if (record.kind != K::GroupBox) {
            EXPECT_EQ(face->text(QAccessible::Name), name);
        }
        EXPECT_EQ(face->state().checked, record.checked);
    }
    const QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window->widget());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), GetParam().spokenTitle);

    for (const bool logShown : {false, true}) {
        for (const std::string& view : GetParam().logView) {
            window->control<Control>(view).setVisible(logShown);
        }
        // What can be seen is heard, each by a role and name of its own; what is covered is
        // off the screen.
        std::set<std::pair<QAccessible::Role, QString>> heard;
        for (const ControlRecord& record : source.controls) {
            QWidget* widget = record.kind == K::FileChooser || record.kind == K::GroupBox
                                  ? nullptr
                                  : Widget(record.name);
            if (!widget || !widget->isVisible()) {
                continue;
            }
            const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(
                widget->focusProxy() ? widget->focusProxy() : widget);
            if (IsCovered(*widget)) {
                EXPECT_TRUE(face->state().offscreen && !face->state().focusable) << record.name;
                continue;
            }
            EXPECT_TRUE(heard.insert({face->role(), face->text(QAccessible::Name)}).second)
                << record.name << (logShown ? " under the log" : "");
        }
    }
}

// A key event as the accessibility bridge posts it again: not spontaneous, at the window
// system's time of the key.
void Key(QWidget* receiver, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 time) {
    QKeyEvent event(type, key, {}, QString(), autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(receiver, &event);
}

// A key held from `time` on: an auto-repeat, then one that Qt took for a release and a press of
// the same moment (as it may when the machine is busy), then the release.
void HeldKey(QWidget* receiver, Qt::Key key, quint64 time) {
    Key(receiver, QEvent::KeyPress, key, true, time + 30);
    Key(receiver, QEvent::KeyRelease, key, false, time + 60);
    Key(receiver, QEvent::KeyPress, key, false, time + 60);
    Key(receiver, QEvent::KeyRelease, key, false, time + 90);
}

// Space and Enter click a picture button once per press, as the mouse does, and Space a radio
// button: a held key does not repeat the click. A key pressed while the program waits is
// dropped, also when it is held past the wait's end, and so is a screen reader's press; a key
// held from the click that opened a confirmation does not answer it.
TEST_P(EveryWindow, SpaceAndEnterClickOncePerPressButNotDuringAWait) {
    for (const ControlRecord* record :
         Reachable({ControlKind::PictureButton, ControlKind::RadioButton})) {
        SCOPED_TRACE(record->name);
        int clicks = 0;
        const bool radio = record->kind == ControlKind::RadioButton;
        (radio ? window->control<RadioButton>(record->name).onClick
               : window->control<PictureButton>(record->name).onClick) = [&] { ++clicks; };
        QWidget* widget = Widget(record->name);
        const bool marked = radio && window->control<RadioButton>(record->name).checked();
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            QEventLoop wait;
            QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, {}));
            QTimer::singleShot(0, &wait, [&] {
                Key(widget, QEvent::KeyPress, key, false, 1000);
                QAccessible::queryAccessibleInterface(widget)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
                wait.quit();
            });
            RunWithoutInput(wait);
            HeldKey(widget, key, 1000);
        }
        EXPECT_EQ(clicks, 0) << "during a wait";
        EXPECT_EQ(radio && window->control<RadioButton>(record->name).checked(), marked);
        if (!radio) {
            QtHost host;
            int answer = -1;
            window->control<PictureButton>(record->name).onClick = [&] {
                answer = host.ShowMessage("请确认...", 1);
            };
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                HeldKey(box, Qt::Key_Return, 2000);
                if (box->isVisible()) {
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            });
            Key(widget, QEvent::KeyPress, Qt::Key_Return, false, 2000);
            EXPECT_EQ(answer, MessageCancel) << "held Enter answered the confirmation";
            window->control<PictureButton>(record->name).onClick = [&] { ++clicks; };
        }
        QTest::keyClick(widget, Qt::Key_Space);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, {}, QStringLiteral(" "), true);
        QApplication::sendEvent(widget, &held);
        if (!radio) {
            QTest::keyClick(widget, Qt::Key_Return);
            QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
        }
        EXPECT_EQ(clicks, radio ? 1 : 3);
        EXPECT_TRUE(!radio || window->control<RadioButton>(record->name).checked());
    }
}

// A screen reader's change to an edit box while the program waits is refused.
TEST_P(EveryWindow, EditBoxesRefuseAScreenReadersChangeDuringAWait) {
    for (const ControlRecord* record : Reachable({ControlKind::EditBox})) {
        SCOPED_TRACE(record->name);
        QWidget* widget = Widget(record->name);
        widget = widget->focusProxy() ? widget->focusProxy() : widget;
        const Text before = window->control<EditBox>(record->name).content();
        QEventLoop wait;
        QTimer::singleShot(0, &wait, [&] {
            QAccessible::queryAccessibleInterface(widget)->setText(QAccessible::Value, "x");
            wait.quit();
        });
        RunWithoutInput(wait);
        EXPECT_EQ(window->control<EditBox>(record->name).content(), before);
    }
}

// A picture button shows its mark, a dotted ring inside its edge drawn in whole pixels at 1x
// and 2x, when Tab brought the focus, and nothing of it after a mouse click.
TEST_P(EveryWindow, TheFocusMarkShowsAfterTabOnlyAndIsSharpAtEachScale) {
    auto render = [](QWidget* widget, int ratio) {
        QImage image(widget->size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        widget->render(&image);
        return image;
    };
    // A click does not take the focus; given as a click gives it, it shows no mark either.
    for (const ControlRecord* record : Reachable({ControlKind::PictureButton})) {
        QWidget* button = Widget(record->name);
        const QImage plain = render(button, 1);
        button->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(render(button, 1) == plain) << record->name;
    }
    for (const ControlRecord* record : Reachable({ControlKind::PictureButton})) {
        for (int tabs = 0; tabs < 20 && (tabs == 0 || Focused() != record->name); ++tabs) {
            Tab();
        }
        ASSERT_EQ(Focused(), record->name);
        QWidget* button = Widget(record->name);
        for (const int ratio : {1, 2}) {
            const QImage marked = render(button, ratio);
            for (const QPoint dot : {QPoint(2, 2), QPoint(button->width() - 4, 2)}) {
                for (int device = 0; device < ratio * ratio; ++device) {
                    const QPoint at = dot * ratio + QPoint(device % ratio, device / ratio);
                    EXPECT_EQ(marked.pixel(at), qRgb(255, 255, 255)) << record->name << ratio;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FiveWindows, EveryWindow, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::ui
