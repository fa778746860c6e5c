// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up measurement: with the environment variable PARLAVINTO_FIRST_FRAME
// set (to anything but empty or "0"), the process writes one line to standard
// error as soon as its first window has been painted and handed to the
// display:
//   parlavinto-first-frame <CLOCK_MONOTONIC in microseconds>
// The start-up benchmark in bench/ compares that time with the moment it
// started the process. Without the variable nothing is installed.
#pragma once

class QApplication;

namespace gui {
void ReportFirstFrame(QApplication* app);
}
