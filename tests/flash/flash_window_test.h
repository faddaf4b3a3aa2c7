#pragma once
// The real flash-mode window, built from its template and shown on the offscreen platform,
// driven with a FakeHost whose record the tests compare whole.

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/fake_host.h"
#include "ui/flash_window.h"
#include "ui/templates.h"

namespace tarnwick::flash::testing {

using ::tarnwick::testing::Lines;
using ::tarnwick::testing::Record;

// What DotCountdown records with that pause: 13 lines appended, each followed by its pause.
Record Countdown(int milliseconds);
Record Sequence(std::initializer_list<Record> parts);

class FlashWindowTest : public ::testing::Test {
protected:
    FlashWindowTest() : window_(ui::BuildWindow(ui::FlashWindowTemplate())), w(*window_) {
        window_->Show();
    }

    ~FlashWindowTest() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Selects one family as a click would: the other two lose their mark. The options'
    // enabled state is not the dispatch's concern.
    void SelectFamily(ui::RadioButton& family) {
        for (ui::RadioButton* button : {&w.重启单选框, &w.REC单选框, &w.ROM单选框}) {
            button->setChecked(button == &family);
        }
    }
    // Selects one option of REC分组框 as a click would.
    void SelectRecoveryOption(ui::RadioButton& option) {
        for (ui::RadioButton* button : {&w.刷入集成REC, &w.刷入自定REC, &w.备份}) {
            button->setChecked(button == &option);
        }
    }
    // The fake copy, rename or flash line makes the work file with this content.
    void MakesWorkImage(const Text& commandLine, const Bytes& content = "image") {
        host.commandEffects[commandLine] = [content](::tarnwick::testing::FakeHost& fake) {
            fake.files["recovery.img"] = content;
        };
    }

    std::unique_ptr<ui::Window> window_;
    ui::FlashWindow w;
    ::tarnwick::testing::FakeHost host;
};

}  // namespace tarnwick::flash::testing
