#include "flash/family_selection.h"

#include <string_view>

#include "steps/choose_file.h"

namespace tarnwick::flash {

namespace {

enum class Family { Reboot, Recovery, Package };

struct FamilyOption {
    std::string_view control;
    Family family;
};

// The options each family enables; the others' are disabled. Group boxes stay enabled.
constexpr FamilyOption kFamilyOptions[] = {
    {"重新启动", Family::Reboot},      {"重启到REC", Family::Reboot},
    {"重启到FAST", Family::Reboot},    {"刷入集成REC", Family::Recovery},
    {"选择集成REC", Family::Recovery}, {"刷入自定REC", Family::Recovery},
    {"REC路径", Family::Recovery},     {"临时进入REC", Family::Recovery},
    {"备份", Family::Recovery},        {"备份路径", Family::Recovery},
    {"清空DATA", Family::Package},     {"清空CACHE", Family::Package},
    {"ROM路径", Family::Package},
};

// Nothing happens unless the family's radio button is selected.
bool EnableFamily(ui::FlashWindow& w, const ui::RadioButton& familyButton, Family family) {
    if (!familyButton.checked()) {
        return false;
    }
    for (const FamilyOption& option : kFamilyOptions) {
        w.window.control<ui::Control>(option.control).setDisabled(option.family != family);
    }
    return true;
}

constexpr const char* kImageFilter = "IMG镜像文件(*.img)|*.img";

void Browse(ui::FlashWindow& w, Host& host, FileChooser::Kind kind, const Text& filter,
            ui::EditBox& box) {
    box.setContent(ChooseFile(host, w.通用对话框1, kind, filter));
}

}  // namespace

void SelectRebootFamily(ui::FlashWindow& w) {
    EnableFamily(w, w.重启单选框, Family::Reboot);
}

void SelectRecoveryFamily(ui::FlashWindow& w) {
    EnableFamily(w, w.REC单选框, Family::Recovery);
}

void SelectPackageFamily(ui::FlashWindow& w, Host& host) {
    if (EnableFamily(w, w.ROM单选框, Family::Package)) {
        ChoosePackage(w, host);
    }
}

void ChoosePackage(ui::FlashWindow& w, Host& host) {
    Browse(w, host, FileChooser::Open, "刷机包(*.zip)|*.zip", w.ROM路径);
}

void ChooseImage(ui::FlashWindow& w, Host& host) {
    Browse(w, host, FileChooser::Open, kImageFilter, w.REC路径);
}

void ChooseBackupTarget(ui::FlashWindow& w, Host& host) {
    Browse(w, host, FileChooser::Save, kImageFilter, w.备份路径);
}

}  // namespace tarnwick::flash
