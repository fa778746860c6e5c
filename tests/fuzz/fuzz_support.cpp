// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/startup.h"
#include "platform/fs/fs.h"

namespace fuzz {

namespace {
std::string g_ordner;
}

void Bereite() {
  if (!g_ordner.empty()) return;
  char vorlage[] = "/tmp/parlavinto-fuzz-XXXXXX";
  const char* dir = mkdtemp(vorlage);
  if (!dir) std::abort();
  setenv("XDG_DATA_HOME", dir, 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fs::RegisterEmbeddedArchive();
  SetzePfade();
  g_ordner = fs::NativePath(DatenPfad);
  if (g_ordner.empty() || g_ordner.back() != '/') g_ordner += "/";
  fs::CreateFolders(DatenPfad);
}

const std::string& Ordner() { return g_ordner; }

std::string Schreibe(const std::string& name, const uint8_t* data, size_t size) {
  const std::string pfad = g_ordner + name;
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return pfad;
}

std::u16string Latin1(const uint8_t* data, size_t size) {
  std::u16string s(size, u'\0');
  for (size_t i = 0; i < size; ++i) s[i] = data[i];
  return s;
}

}  // namespace fuzz
