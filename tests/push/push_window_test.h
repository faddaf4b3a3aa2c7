#pragma once
// The real push window, built from its template and shown on the offscreen platform, driven
// with a FakeHost whose record the tests compare.

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/call_record.h"
#include "tests/support/fake_host.h"
#include "ui/push_window.h"
#include "ui/templates.h"

namespace tarnwick::push::testing {

using ::tarnwick::testing::Lines;
using ::tarnwick::testing::Record;
using ::tarnwick::testing::Sequence;

// An input check's warning as recorded.
inline std::string Warning(const std::string& text) {
    return "ShowMessage(\"" + text +
           "\\r\\n\\r\\n请重新选择文件,并保证其路径完整!\", 0, \"警告!\") -> 0";
}

class PushWindowTest : public ::testing::Test {
protected:
    PushWindowTest() : window_(ui::BuildWindow(ui::PushWindowTemplate())), w(*window_) {
        window_->Show();
    }
    ~PushWindowTest() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Selects an operation as a click would, without running its handler.
    void Select(ui::RadioButton& operation, bool noroot = false) {
        for (ui::RadioButton* button : {&w.APK单选框, &w.SD单选框, &w.SYS单选框}) {
            button->setChecked(button == &operation);
        }
        w.NOROOT.setChecked(noroot);
    }
    bool LogEndsWith(const Text& text) const {
        return w.信息显示窗.content().bytes().ends_with(text.bytes());
    }

    std::unique_ptr<ui::Window> window_;
    ui::PushWindow w;
    ::tarnwick::testing::FakeHost host;
};

}  // namespace tarnwick::push::testing
