// The five windows by keyboard alone and through a screen reader's eyes: Tab order, the keys
// that click, the focus mark, and the roles and names that Qt's accessibility hands on.
#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/ui/built_window.h"
#include "ui/templates.h"
#include "ui/waits.h"

namespace tarnwick::ui {
namespace {

struct Opened {
    const char* name;
    const WindowTemplate& (*source)();
    std::vector<std::string> tabOrder;  // the controls a window shows at first, enabled
};

const Opened kWindows[] = {
    {"home",
     HomeWindowTemplate,
     {"破解模式", "推送模式", "刷机模式", "编译模式", "意见反馈", "关闭"}},
    {"push",
     PushWindowTemplate,
     {"APK单选框", "SD单选框", "SYS单选框", "推送服务返回", "推送服务下一步", "关闭"}},
    {"flash",
     FlashWindowTemplate,
     {"重启单选框", "重新启动", "重启到REC", "重启到FAST", "REC单选框", "ROM单选框", "ROM路径",
      "刷机模式返回", "刷机模式下一步", "关闭"}},
    {"compile",
     CompileWindowTemplate,
     {"载入资源", "资源1", "图形按钮1", "资源2", "图形按钮2", "编译模式", "刷机模式返回",
      "刷机模式下一步", "关闭"}},
    {"info", InfoWindowTemplate, {"编辑框1", "关闭"}},
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
}

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
        if (record.kind == K::PictureButton) {
            name = QString::fromUtf8(record.imageCaption);
            EXPECT_FALSE(name.isEmpty());
        } else if (record.kind == K::EditBox) {
            name = record.labelledBy ? Widget(record.labelledBy)->accessibleName() : QString();
        }
        if (record.kind != K::GroupBox && record.kind != K::ComboBox) {
            EXPECT_EQ(face->text(QAccessible::Name), name);
        }
        EXPECT_EQ(face->state().checked, record.checked);
    }
}

// Space and Enter click a picture button once per press, as the mouse does, and Space a radio
// button: a held key does not repeat the click, and a key pressed while the program waits is
// dropped, also when it is released after the wait.
TEST_P(EveryWindow, SpaceAndEnterClickOncePerPressButNotDuringAWait) {
    for (const ControlRecord* record :
         Reachable({ControlKind::PictureButton, ControlKind::RadioButton})) {
        SCOPED_TRACE(record->name);
        int clicks = 0;
        const bool radio = record->kind == ControlKind::RadioButton;
        (radio ? window->control<RadioButton>(record->name).onClick
               : window->control<PictureButton>(record->name).onClick) = [&] { ++clicks; };
        QWidget* widget = Widget(record->name);
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            QEventLoop wait;
            QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, {}));
            QMetaObject::invokeMethod(&wait, &QEventLoop::quit, Qt::QueuedConnection);
            RunWithoutInput(wait);
            QTest::keyRelease(widget, key);
        }
        EXPECT_EQ(clicks, 0) << "during a wait";
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
