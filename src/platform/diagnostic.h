// SPDX-License-Identifier: GPL-3.0-or-later
// Diagnostic lines on standard output. They carry no behaviour; every layer
// may write them.
#pragma once
#include <string>

namespace platform {

void Diagnostic(const std::string& line);

}  // namespace platform
