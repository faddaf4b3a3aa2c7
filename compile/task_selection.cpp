#include "compile/task_selection.h"

#include <string_view>

namespace tarnwick::compile {

namespace {

enum class Task { Frameworks, Compile };

struct TaskControl {
    std::string_view control;
    Task task;
};

// The controls each task enables; the other task's are disabled. The labels 标签2 and 标签3
// keep their disabled look in both tasks.
constexpr TaskControl kTaskControls[] = {
    {"资源1", Task::Frameworks},     {"资源2", Task::Frameworks},  {"图形按钮1", Task::Frameworks},
    {"图形按钮2", Task::Frameworks}, {"反编译", Task::Compile},    {"回编译", Task::Compile},
    {"签名", Task::Compile},         {"图形按钮3", Task::Compile}, {"图形按钮4", Task::Compile},
    {"资源3", Task::Compile},        {"资源4", Task::Compile},
};

void EnableTask(ui::CompileWindow& w, Task task) {
    for (const TaskControl& entry : kTaskControls) {
        w.window.control<ui::Control>(entry.control).setDisabled(entry.task != task);
    }
}

}  // namespace

void SelectFrameworkTask(ui::CompileWindow& w) {
    EnableTask(w, Task::Frameworks);
}

void SelectCompileTask(ui::CompileWindow& w) {
    EnableTask(w, Task::Compile);
}

void ChooseOperation(ui::CompileWindow& w, ui::CheckBox& chosen) {
    for (ui::CheckBox* box : {&w.反编译, &w.回编译, &w.签名}) {
        if (box != &chosen) {
            box->setChecked(false);
        }
    }
    w.资源3.setContent("");
    w.资源4.setContent("");
    if (&chosen == &w.反编译) {
        w.图形按钮4.setDisabled(false);
    }
}

Text OutputNameFor(const Text& input) {
    // No ".apk": the count is -2, which gives the empty text.
    return LeftText(input, FindTextReverse(input, ".apk") - 1);
}

void DeriveOutputName(ui::CompileWindow& w) {
    w.资源4.setContent(OutputNameFor(w.资源3.content()));
}

}  // namespace tarnwick::compile
