// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/diagnostic.h"

#include <cstdio>

namespace platform {

void Diagnostic(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace platform
