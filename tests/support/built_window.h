// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the information window, built for real (offscreen) once
// per test process, with two topics ("Oper", "Jazz") and empty player records.
#pragma once
#include "support/sandbox.h"

namespace testing_support {

// Builds the windows on the first call; the data folder then points into a
// sandbox that lives until the process ends. Returns that sandbox.
const Sandbox& BuiltWindow();

}  // namespace testing_support
