#pragma once
// The real push window, built from its template and shown on the offscreen platform, driven
// with a FakeHost whose record the tests compare whole.

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

// The warnings of the input checks, as recorded.
inline std::string Warning(const std::string& text) {
    return "ShowMessage(\"" + text +
           "\\r\\n\\r\\n请重新选择文件,并保证其路径完整!\", 0, \"警告!\") -> 0";
}
inline const std::string kNoFile = Warning("您尚未选择任何文件!");
inline const std::string kIncompletePath = Warning("请检查文件路径是否完整!");
inline const std::string kBadCharacters = Warning("文件路径中含有不支持的字符!");

class PushWindowTest : public ::testing::Test {
protected:
    PushWindowTest() : window_(ui::BuildWindow(ui::PushWindowTemplate())), w(*window_) {
        window_->Show();
    }

    ~PushWindowTest() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Selects one operation as a click would, without running its handler.
    void Select(ui::RadioButton& operation) {
        for (ui::RadioButton* button : {&w.APK单选框, &w.SD单选框, &w.SYS单选框}) {
            button->setChecked(button == &operation);
        }
    }

    std::unique_ptr<ui::Window> window_;
    ui::PushWindow w;
    ::tarnwick::testing::FakeHost host;
};

}  // namespace tarnwick::push::testing
