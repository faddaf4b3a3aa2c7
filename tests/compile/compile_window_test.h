#pragma once
// The real compile-mode window, built from its template and shown on the offscreen platform,
// driven with a FakeHost whose record the tests compare whole. 资源3's change raises the
// output name as in the program.

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <memory>

#include "compile/task_selection.h"
#include "tests/support/fake_host.h"
#include "ui/compile_window.h"
#include "ui/templates.h"

namespace tarnwick::compile::testing {

using ::tarnwick::testing::Lines;
using ::tarnwick::testing::Record;

class CompileWindowTest : public ::testing::Test {
protected:
    CompileWindowTest() : window_(ui::BuildWindow(ui::CompileWindowTemplate())), w(*window_) {
        window_->Show();
        w.资源3.onContentChanged = [this] { DeriveOutputName(w); };
    }

    ~CompileWindowTest() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The compile task selected as a click would, its controls enabled.
    void SelectCompile() {
        w.载入资源.setChecked(false);
        w.编译模式.setChecked(true);
        SelectCompileTask(w);
    }
    // A click on an operation check box: its mark toggles, then its handler runs.
    void ClickOperation(ui::CheckBox& box) {
        box.setChecked(!box.checked());
        ChooseOperation(w, box);
    }

    std::unique_ptr<ui::Window> window_;
    ui::CompileWindow w;
    ::tarnwick::testing::FakeHost host;
};

}  // namespace tarnwick::compile::testing
