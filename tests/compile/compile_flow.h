#pragma once
// The compile window opened through the program's wiring, running its operations with the real
// command runner in a tool sandbox (tool_sandbox.h) as a click on 下一步 runs them.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "host/paths.h"
#include "tests/support/tool_sandbox.h"
#include "tests/ui/built_window.h"
#include "ui/compile_window.h"
#include "ui/info_window.h"

namespace tarnwick::compile::testing {

class CompileFlow : public ::testing::Test {
protected:
    explicit CompileFlow(std::initializer_list<std::string> tools) : sandbox_(tools) {}
    ~CompileFlow() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Runs the operation on the two paths; the info window's text.
    Text Run(ui::CheckBox& operation, const std::filesystem::path& in,
             const std::filesystem::path& out) {
        if (!operation.checked()) {
            ui::testing::ClickMark(operation);
        }
        compile_.资源3.setContent(ProgramPath(in));
        compile_.资源4.setContent(ProgramPath(out));
        return Execute();
    }
    Text Execute() {
        compile_.刷机模式下一步.onClick();
        EXPECT_FALSE(std::filesystem::exists(sandbox_.program / "log.txt"));
        return ui::InfoWindow(*windows_.Find(app::WindowKind::Info)).编辑框1.content();
    }
    // Clicks 下一步 on a form that must be refused; the message it showed.
    std::string Refuse() {
        sandbox_.host.ClearCalls();
        compile_.刷机模式下一步.onClick();
        EXPECT_FALSE(std::filesystem::exists(sandbox_.program / "log.txt"));
        EXPECT_EQ(windows_.Find(app::WindowKind::Info), nullptr);  // no tool ran
        return sandbox_.host.calls().empty() ? "" : sandbox_.host.calls().back();
    }
    // Every file and link of the user's files: its content, or where the link leads.
    std::map<std::filesystem::path, std::string> UserFiles() const {
        namespace fs = std::filesystem;
        std::map<fs::path, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(sandbox_.user.path())) {
            const std::string name = entry.path().lexically_relative(sandbox_.user.path()).string();
            if (entry.is_symlink()) {
                files[name] = "-> " + fs::read_symlink(entry.path()).string();
            } else if (entry.is_regular_file()) {
                files[name] = sandbox_.user.Read(name);
            }
        }
        return files;
    }

    ::tarnwick::testing::ToolSandbox sandbox_;
    app::WindowManager windows_{app::WireWindows(sandbox_.host), [](int) {}, [] {}};
    ui::CompileWindow compile_{OpenCompileWindow()};

private:
    ui::Window& OpenCompileWindow() {
        windows_.OpenWindow(app::WindowKind::Compile);
        return *windows_.Find(app::WindowKind::Compile);
    }
};

}  // namespace tarnwick::compile::testing
