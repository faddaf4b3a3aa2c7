#pragma once
// For the start-up benchmark: when the environment variable TARNWICK_FIRST_PAINT_FD names an
// open file descriptor, one byte is written to it right after a window's first paint. Without
// the variable nothing is installed.

namespace tarnwick::ui {

// Call once after the QApplication exists.
void SignalFirstPaint();

}  // namespace tarnwick::ui
