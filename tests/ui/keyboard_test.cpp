// The five windows by keyboard alone and through a screen reader's eyes: Tab order, the keys
// that click, the focus mark, and the roles and names that Qt's accessibility hands on.
#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

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

void PrintTo(const Opened& opened, std::ostream* out) {
    *out << opened.name;
}

class EveryWindow : public testing::WindowTest, public ::testing::WithParamInterface<Opened> {
protected:
    void SetUp() override {
        Build(GetParam().source());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    }

    // The control that holds the keyboard's focus; "" for none.
    std::string Focused() const {
        const QWidget* focused = QApplication::focusWidget();
        for (const ControlRecord& record : GetParam().source().controls) {
            if (record.kind == ControlKind::FileChooser || record.kind == ControlKind::GroupBox) {
                continue;
            }
            const QWidget* widget = window->control<Control>(record.name).widget();
            if (focused && (widget == focused || widget->isAncestorOf(focused))) {
                return record.name;
            }
        }
        return "";
    }

    std::vector<const ControlRecord*> Shown(ControlKind kind) const {
        std::vector<const ControlRecord*> shown;
        for (const ControlRecord& record : GetParam().source().controls) {
            if (record.kind == kind && window->control<Control>(record.name).visible() &&
                !window->control<Control>(record.name).disabled()) {
                shown.push_back(&record);
            }
        }
        return shown;
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
    const WindowTemplate& source = GetParam().source();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->widget())->text(QAccessible::Name),
              QString::fromUtf8(source.title));
    auto captionOf = [&](const char* name) {
        return window->control<Control>(name).widget()->accessibleName();
    };
    for (const ControlRecord& record : source.controls) {
        if (record.kind == ControlKind::FileChooser) {
            continue;
        }
        SCOPED_TRACE(record.name);
        QWidget* widget = window->control<Control>(record.name).widget();
        if (record.kind == ControlKind::EditBox && record.multiLine) {
            if (!widget->isVisible()) {
                continue;  // its edit control is made when it first shows
            }
            widget = widget->focusProxy();
        }
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        const QString name = face->text(QAccessible::Name);
        const QString caption = QString::fromUtf8(record.caption);
        switch (record.kind) {
            case ControlKind::PictureButton:
                EXPECT_EQ(face->role(), QAccessible::Button);
                EXPECT_EQ(name, QString::fromUtf8(record.imageCaption));
                EXPECT_FALSE(name.isEmpty());
                break;
            case ControlKind::Hyperlink:
                EXPECT_EQ(face->role(), QAccessible::Link);
                EXPECT_EQ(name, caption.isEmpty() ? QString::fromUtf8(record.address) : caption);
                break;
            case ControlKind::Label:
                EXPECT_EQ(face->role(), QAccessible::StaticText);
                EXPECT_EQ(name, caption);
                break;
            case ControlKind::RadioButton:
                EXPECT_EQ(face->role(), QAccessible::RadioButton);
                EXPECT_EQ(name, caption);
                EXPECT_EQ(face->state().checked, record.checked);
                break;
            case ControlKind::CheckBox:
                EXPECT_EQ(face->role(), QAccessible::CheckBox);
                EXPECT_EQ(name, caption);
                break;
            case ControlKind::GroupBox:
                EXPECT_EQ(face->role(), QAccessible::Grouping);
                break;
            case ControlKind::EditBox:
                EXPECT_EQ(face->role(), QAccessible::EditableText);
                EXPECT_EQ(name, record.labelledBy ? captionOf(record.labelledBy) : QString());
                break;
            case ControlKind::ComboBox:
                EXPECT_EQ(face->role(), QAccessible::ComboBox);
                break;
            case ControlKind::FileChooser:
                break;
        }
    }
}

// Space and Enter click a picture button once per press, as the mouse does; a held key does
// not repeat the click. Space clicks a radio button once and sets its mark.
TEST_P(EveryWindow, SpaceAndEnterClickOncePerPress) {
    for (const ControlRecord* record : Shown(ControlKind::PictureButton)) {
        SCOPED_TRACE(record->name);
        auto& button = window->control<PictureButton>(record->name);
        int clicks = 0;
        button.onClick = [&] { ++clicks; };
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            QTest::keyClick(button.widget(), key);
        }
        QTest::keyClick(button.widget(), Qt::Key_Enter, Qt::KeypadModifier);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        QApplication::sendEvent(button.widget(), &repeat);
        EXPECT_EQ(clicks, 3);
    }
    for (const ControlRecord* record : Shown(ControlKind::RadioButton)) {
        SCOPED_TRACE(record->name);
        auto& radio = window->control<RadioButton>(record->name);
        int clicks = 0;
        radio.onClick = [&] { ++clicks; };
        radio.setChecked(false);
        QTest::keyClick(radio.widget(), Qt::Key_Space);
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(radio.checked());
    }
}

// A key pressed while the program waits is dropped, also when it is released after the wait.
TEST_P(EveryWindow, AKeyPressedDuringAWaitIsDroppedWhenReleasedAfterIt) {
    std::vector<const ControlRecord*> clickable = Shown(ControlKind::PictureButton);
    for (const ControlRecord* radio : Shown(ControlKind::RadioButton)) {
        clickable.push_back(radio);
    }
    int clicks = 0;
    for (const ControlRecord* record : clickable) {
        QWidget* widget = window->control<Control>(record->name).widget();
        if (record->kind == ControlKind::RadioButton) {
            window->control<RadioButton>(record->name).onClick = [&] { ++clicks; };
        } else {
            window->control<PictureButton>(record->name).onClick = [&] { ++clicks; };
        }
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            QEventLoop loop;
            QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, {}));
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
            RunWithoutInput(loop);
            QTest::keyRelease(widget, key);
        }
    }
    EXPECT_EQ(clicks, 0);
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
    const std::vector<const ControlRecord*> buttons = Shown(ControlKind::PictureButton);
    std::vector<QImage> plain[2];
    // A click, and the focus that a click on another control would give: no mark.
    for (const ControlRecord* record : buttons) {
        QWidget* button = window->control<Control>(record->name).widget();
        plain[0].push_back(render(button, 1));
        plain[1].push_back(render(button, 2));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        button->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(render(button, 1) == plain[0].back()) << record->name;
    }
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const ControlRecord* record = buttons[index];
        SCOPED_TRACE(record->name);
        QWidget* button = window->control<Control>(record->name).widget();
        for (int tabs = 0; tabs < 20 && (tabs == 0 || Focused() != record->name); ++tabs) {
            Tab();
        }
        ASSERT_EQ(Focused(), record->name);
        for (const int ratio : {1, 2}) {
            const QImage marked = render(button, ratio);
            EXPECT_FALSE(marked == plain[ratio - 1][index]) << ratio << "x";
            for (const QPoint dot : {QPoint(2, 2), QPoint(button->width() - 4, 2)}) {
                for (int device = 0; device < ratio * ratio; ++device) {
                    const QPoint at = dot * ratio + QPoint(device % ratio, device / ratio);
                    EXPECT_EQ(marked.pixel(at), qRgb(255, 255, 255)) << ratio << "x " << at.x();
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FiveWindows, EveryWindow, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

// The log box is read-only text that a screen reader reads as it grows. (Qt announces each
// append, as text inserted, while a screen reader listens: not on the offscreen platform.)
TEST(LogBox, IsReadOnlyTextThatHoldsEachAppend) {
    const std::unique_ptr<Window> flash = BuildWindow(FlashWindowTemplate());
    flash->Show();
    flash->control<GroupBox>("显示框").setVisible(true);
    flash->control<EditBox>("显示窗").AppendAtEnd(Text("正在重启..."));
    QAccessibleInterface* log = QAccessible::queryAccessibleInterface(
        flash->control<EditBox>("显示窗").widget()->focusProxy());
    EXPECT_TRUE(log->state().readOnly);
    EXPECT_EQ(log->textInterface()->text(0, log->textInterface()->characterCount()),
              QStringLiteral("正在重启..."));
}

}  // namespace
}  // namespace tarnwick::ui
