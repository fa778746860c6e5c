// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the fuzz targets: a private data folder with the path
// roots pointed into it, and the input written to a file there.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Creates the data folder once (XDG_DATA_HOME in a fresh temporary folder),
// registers the embedded archive and sets the path roots.
void Bereite();
// The data folder's native path, with a trailing "/".
const std::string& Ordner();
// Writes the bytes to a file in the data folder; returns its native path.
std::string Schreibe(const std::string& name, const uint8_t* data, size_t size);
// The bytes as 8-bit text (one character per byte), as the system's text
// files are read.
std::u16string Latin1(const uint8_t* data, size_t size);

}  // namespace fuzz
