// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/sandbox.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/startup.h"
#include "platform/fs/fs.h"

namespace testing_support {

Sandbox::Sandbox() {
  std::string base = std::filesystem::temp_directory_path().string() + "/parlavinto-test-XXXXXX";
  std::vector<char> t(base.begin(), base.end());
  t.push_back('\0');
  char* made = mkdtemp(t.data());
  dir_ = made ? made : "/tmp";
}

Sandbox::~Sandbox() {
  std::error_code ec;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  for (auto& p : std::filesystem::recursive_directory_iterator(dir_, ec))
    std::filesystem::permissions(p.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(dir_, ec);
}

void Sandbox::Write(const std::string& rel, const std::string& bytes) const {
  std::filesystem::path p(dir_ + "/" + rel);
  std::filesystem::create_directories(p.parent_path());
  std::ofstream o(p, std::ios::binary | std::ios::trunc);
  o << bytes;
}

std::string Sandbox::Read(const std::string& rel) const {
  std::ifstream f(dir_ + "/" + rel, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

bool Sandbox::Exists(const std::string& rel) const { return std::filesystem::exists(dir_ + "/" + rel); }

void UseDataFolderIn(const Sandbox& box) {
  static bool registered = fs::RegisterEmbeddedArchive();
  (void)registered;
  setenv("XDG_DATA_HOME", box.Dir().c_str(), 1);
  SetzePfade();
}

}  // namespace testing_support
