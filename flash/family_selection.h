#pragma once
// The three family radio buttons, which enable their own options and disable the others',
// and the three browse actions, which fill a path box from the window's shared chooser.

#include "host/host.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

void SelectRebootFamily(ui::FlashWindow& w);
void SelectRecoveryFamily(ui::FlashWindow& w);
// Also opens the package chooser, on every click.
void SelectPackageFamily(ui::FlashWindow& w, Host& host);

// Each writes the chooser's file name into its box, also when the user cancels: the box then
// gets the name the chooser held before.
void ChoosePackage(ui::FlashWindow& w, Host& host);       // into ROM路径
void ChooseImage(ui::FlashWindow& w, Host& host);         // into REC路径
void ChooseBackupTarget(ui::FlashWindow& w, Host& host);  // into 备份路径

}  // namespace tarnwick::flash
