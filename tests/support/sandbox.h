// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers: a private temporary folder, files written byte for byte,
// and the path roots pointed into the sandbox.
#pragma once
#include <string>

#include "platform/text.h"

namespace testing_support {

class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  const std::string& Dir() const { return dir_; }
  std::u16string Path(const std::string& rel) const { return text::FromUtf8(dir_ + "/" + rel); }
  void Write(const std::string& rel, const std::string& bytes) const;
  std::string Read(const std::string& rel) const;
  bool Exists(const std::string& rel) const;

 private:
  std::string dir_;
};

// Registers the embedded archive once and sets the path roots with the data
// folder inside the sandbox (XDG_DATA_HOME = sandbox).
void UseDataFolderIn(const Sandbox& box);

}  // namespace testing_support
