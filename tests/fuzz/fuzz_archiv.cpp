// SPDX-License-Identifier: GPL-3.0-or-later
// ZIP archives: registering one held in memory, then listing and reading
// every entry through the file layer (damaged entries read as missing).
#include <memory>
#include <string>

#include "platform/fs/fs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The bytes must outlive the registration, which the next input replaces.
  static std::unique_ptr<std::string> alt;
  auto neu = std::make_unique<std::string>(reinterpret_cast<const char*>(data), size);
  if (fs::RegisterArchive(u"FUZZ.ZIP", reinterpret_cast<const unsigned char*>(neu->data()), neu->size())) {
    const std::u16string wurzel = u"ZIP::FUZZ.ZIP//";
    for (const auto& name : fs::ArchiveEntries(u"FUZZ.ZIP")) {
      fs::FileType(wurzel + name);
      auto inhalt = fs::ReadAll(wurzel + name, size_t(16) << 20);
      fs::CanRead(wurzel + name);
      if (inhalt) fs::Stream::Open(wurzel + name);
    }
    fs::ReadAll(wurzel + u"fehlt");
    alt = std::move(neu);
  }
  return 0;
}
