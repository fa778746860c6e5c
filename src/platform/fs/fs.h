// SPDX-License-Identifier: GPL-3.0-or-later
// File layer: native files and the entries of registered ZIP archives behind
// one set of operations.
//
// Paths are UTF-16 text. "ZIP::" + archive + "//" + entry addresses an entry of
// a registered archive ("ZIP::Incbin::DA2.ZIP//Images/Hintergrund.png"); entry
// names match without regard to ASCII letter case, entries are read-only.
// Native paths take "\" and "/" as separators; on a case-sensitive file system
// an existing file or folder is found whatever the letter case of each part of
// the path, and a new one is created with the letter case asked for.
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fs {

using u16 = std::u16string;

// Registers an archive held in memory under a name ("DA2.ZIP"); the bytes
// must stay valid for the whole run. Returns false when the data is no ZIP.
bool RegisterArchive(const u16& name, const unsigned char* data, size_t size);
// Registers the archive embedded in the executable under "DA2.ZIP".
bool RegisterEmbeddedArchive();
// Archive path prefix of the embedded archive: "ZIP::Incbin::DA2.ZIP//".
u16 EmbeddedRoot();
bool IsArchivePath(const u16& path);
// Names of the file entries of a registered archive, as stored; empty when
// no archive of that name is registered.
std::vector<u16> ArchiveEntries(const u16& name);

enum class Type { None = 0, File = 1, Folder = 2 };
// What is at path; an archive entry that exists and is intact is a file.
Type FileType(const u16& path);
bool CanRead(const u16& path);  // the path is a regular file (or an entry) that opens for reading

// Whole contents; nullopt when the file cannot be read (missing, folder,
// damaged archive entry). Only regular files are read: FIFOs, devices and
// sockets are refused, as are files larger than maxBytes.
std::optional<std::string> ReadAll(const u16& path, size_t maxBytes = size_t(1) << 30);

// Writes a whole file safely: a temporary file "." + name + ".XXXXXX" in the
// same folder, written, synced, then renamed over the target, and the folder
// synced. The old file stays untouched on any failure. A symbolic link stays
// a link: the file it points to is replaced. An existing file that may not
// be written is refused, as a plain write would be.
bool WriteAllAtomic(const u16& path, const std::string& bytes);

// The system error (errno value) of the last failed ReadAll or
// WriteAllAtomic on this thread; 0 when none.
int LastError();
// A short German description of an error of LastError() for messages to the user.
u16 ErrorText(int error);

// Removes the temporary files of interrupted WriteAllAtomic calls in folder:
// regular files named "." + name + "." + six letters or digits for which
// ours(name) holds, unless a running save still holds them. Returns how many
// were removed.
int RemoveStaleTempFiles(const u16& folder, const std::function<bool(const u16& name)>& ours);

bool CreateFolders(const u16& path);               // with every missing parent
bool CopyFile(const u16& from, const u16& to, bool replace);  // from may be an archive entry
bool Remove(const u16& path);

// Native path for the C library and the toolkit: separators unified, existing
// parts matched whatever their letter case. Archive paths come back unchanged.
std::string NativePath(const u16& path);

// The user's application-data folder without a trailing separator
// ($XDG_DATA_HOME, else ~/.local/share; the roaming AppData folder on Windows).
u16 AppDataFolder();
// Environment variable as text ("" when unset).
u16 Env(const char* name);

// File name part of a path: the text after the last "/" or "\".
u16 FileName(const u16& path);

// A read stream with the line reading of the system's text files: a line ends
// at LF, at a zero byte or at the end of the data; CR bytes are dropped.
class Stream {
 public:
  static std::unique_ptr<Stream> Open(const u16& path);
  virtual ~Stream() = default;
  bool Eof() const { return pos_ >= data_.size(); }
  // Next line as bytes (no line end); at the end of the data returns "".
  std::string ReadLine();
  size_t Read(char* dest, size_t n);
  const std::string& Data() const { return data_; }

 protected:
  std::string data_;
  size_t pos_ = 0;
};

}  // namespace fs
