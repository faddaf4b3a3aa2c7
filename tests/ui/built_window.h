#pragma once
// A window built from a test template, and deleted with its widget when the test ends.

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "ui/window.h"

namespace tarnwick::ui::testing {

// A click on the mark of a radio button or check box, where every platform style takes it.
inline void ClickMark(Control& control) {
    QTest::mouseClick(control.widget(), Qt::LeftButton, {},
                      QPoint(4, control.widget()->height() / 2));
}

class WindowTest : public ::testing::Test {
protected:
    // `source` must outlive the window: the tests' templates are static.
    Window& Build(const WindowTemplate& source, bool shown = true) {
        window = BuildWindow(source);
        if (shown) {
            window->Show();
        }
        return *window;
    }

    void TearDown() override {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<Window> window;
};

}  // namespace tarnwick::ui::testing
