#pragma once
// What every recovery flow does once the work file "recovery.img" is ready in the program
// directory: reboot the phone into its bootloader, then flash or boot the work file.

#include "host/host.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

// Whose file "recovery.img" is: a copy that the flow made and deletes at its end, or the
// user's own chosen image, which is used as it is and kept.
enum class WorkImage { Copy, UsersOwn };

void RebootToFastbootAndWait(ui::FlashWindow& w, Host& host);

// Flashes the work file, then offers to start the new recovery at once; Cancel reboots the
// phone normally. A flash given up for want of a phone ends the operation there.
void FlashRecoveryImage(ui::FlashWindow& w, Host& host, WorkImage image = WorkImage::Copy);

// Boots the work file once, without writing it to the phone.
void BootRecoveryImage(ui::FlashWindow& w, Host& host, WorkImage image);

}  // namespace tarnwick::flash
