// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fs/fs.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <mutex>
#include <vector>

#include <minizip/unzip.h>

#include "platform/text.h"

extern "C" const unsigned char parlavinto_archive_begin[];
extern "C" const unsigned char parlavinto_archive_end[];

namespace fs {
namespace {

// ---------------------------------------------------------------------------
// ZIP archives in memory, read through minizip with our own I/O functions.

struct MemFile {
  const unsigned char* data;
  ZPOS64_T size;
  ZPOS64_T pos = 0;
  // The bytes are read-only pages of the executable file: pages read through
  // are handed back (the next read of them comes from the file again), so the
  // archive's bytes do not stay in the process's memory.
  bool givePagesBack = false;
};

// Drops the whole pages of [from, to) that lie inside the file's bytes.
void GivePagesBack(const MemFile& f, const unsigned char* from, const unsigned char* to) {
  static const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  if (page == 0 || (page & (page - 1)) != 0) return;
  const uintptr_t first = (reinterpret_cast<uintptr_t>(f.data) + page - 1) & ~(page - 1);
  const uintptr_t last = (reinterpret_cast<uintptr_t>(f.data) + f.size) & ~(page - 1);
  const uintptr_t lo = std::max(reinterpret_cast<uintptr_t>(from) & ~(page - 1), first);
  const uintptr_t hi = std::min(reinterpret_cast<uintptr_t>(to) & ~(page - 1), last);
  if (hi > lo) madvise(reinterpret_cast<void*>(lo), hi - lo, MADV_DONTNEED);
}

voidpf ZOpen(voidpf opaque, const void*, int) { return opaque; }
uLong ZRead(voidpf, voidpf stream, void* buf, uLong size) {
  auto* f = static_cast<MemFile*>(stream);
  ZPOS64_T left = f->pos < f->size ? f->size - f->pos : 0;
  uLong n = static_cast<uLong>(left < size ? left : size);
  std::memcpy(buf, f->data + f->pos, n);
  if (f->givePagesBack && n > 0) GivePagesBack(*f, f->data + f->pos, f->data + f->pos + n);
  f->pos += n;
  return n;
}
uLong ZWrite(voidpf, voidpf, const void*, uLong) { return 0; }
ZPOS64_T ZTell(voidpf, voidpf stream) { return static_cast<MemFile*>(stream)->pos; }
long ZSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* f = static_cast<MemFile*>(stream);
  ZPOS64_T base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = f->pos; break;
    case ZLIB_FILEFUNC_SEEK_END: base = f->size; break;
    default: return -1;
  }
  if (base + offset > f->size) return -1;
  f->pos = base + offset;
  return 0;
}
int ZClose(voidpf, voidpf) { return 0; }
int ZError(voidpf, voidpf) { return 0; }

enum class EntryState { Unknown, Good, Bad };

struct Entry {
  u16 name;  // as stored in the archive
  unz64_file_pos pos{};
  ZPOS64_T size = 0;
  EntryState state = EntryState::Unknown;
};

struct Archive {
  MemFile mem;
  unzFile zip = nullptr;
  std::map<u16, Entry> index;  // key: entry name in ASCII lower case
  std::mutex lock;

  ~Archive() {
    if (zip) unzClose(zip);
  }

  bool Open() {
    zlib_filefunc64_def funcs{};
    funcs.zopen64_file = ZOpen;
    funcs.zread_file = ZRead;
    funcs.zwrite_file = ZWrite;
    funcs.ztell64_file = ZTell;
    funcs.zseek64_file = ZSeek;
    funcs.zclose_file = ZClose;
    funcs.zerror_file = ZError;
    funcs.opaque = &mem;
    zip = unzOpen2_64(nullptr, &funcs);
    if (!zip) return false;
    // Index every entry once, so that opening never scans the directory again.
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
      char name[1024];
      unz_file_info64 info{};
      if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) break;
      std::string n(name);
      if (n.empty() || n.back() == '/') continue;  // folder entries
      Entry e;
      e.name = text::FromUtf8(n);
      if (unzGetFilePos64(zip, &e.pos) != UNZ_OK) continue;
      e.size = info.uncompressed_size;
      index.emplace(text::ToLowerAscii(text::FromUtf8(n)), e);  // the first of equal names wins
    }
    return true;
  }

  Entry* Find(const u16& name) {
    auto it = index.find(text::ToLowerAscii(name));
    return it == index.end() ? nullptr : &it->second;
  }

  // Inflates an entry through a 4096-byte buffer; a damaged entry (bad data,
  // wrong CRC, wrong size) reads as missing.
  std::optional<std::string> Read(const u16& name, size_t maxBytes) {
    std::lock_guard<std::mutex> guard(lock);
    Entry* e = Find(name);
    if (!e || e->state == EntryState::Bad) return std::nullopt;
    if (e->size > maxBytes) return std::nullopt;
    if (unzGoToFilePos64(zip, &e->pos) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK) {
      e->state = EntryState::Bad;
      return std::nullopt;
    }
    std::string out;
    out.reserve(static_cast<size_t>(e->size));
    char buf[4096];
    bool ok = true;
    for (;;) {
      int n = unzReadCurrentFile(zip, buf, sizeof buf);
      if (n < 0) { ok = false; break; }
      if (n == 0) break;
      out.append(buf, static_cast<size_t>(n));
      if (out.size() > e->size) { ok = false; break; }
    }
    if (unzCloseCurrentFile(zip) != UNZ_OK) ok = false;
    if (out.size() != e->size) ok = false;
    e->state = ok ? EntryState::Good : EntryState::Bad;
    if (!ok) return std::nullopt;
    return out;
  }

  bool Exists(const u16& name) {
    {
      std::lock_guard<std::mutex> guard(lock);
      Entry* e = Find(name);
      if (!e) return false;
      if (e->state != EntryState::Unknown) return e->state == EntryState::Good;
    }
    return Read(name, size_t(1) << 30).has_value();
  }
};

std::mutex g_archivesLock;
std::map<u16, std::unique_ptr<Archive>>& Archives() {
  static std::map<u16, std::unique_ptr<Archive>> archives;
  return archives;
}

// "ZIP::Incbin::DA2.ZIP//Images/x.png" -> archive "DA2.ZIP", entry "Images/x.png"
bool SplitArchivePath(const u16& path, Archive*& archive, u16& entry) {
  if (path.rfind(u"ZIP::", 0) != 0) return false;
  size_t sep = path.find(u"//", 5);
  if (sep == u16::npos) return false;
  u16 name = path.substr(5, sep - 5);
  if (name.rfind(u"Incbin::", 0) == 0) name = name.substr(8);
  entry = path.substr(sep + 2);
  std::lock_guard<std::mutex> guard(g_archivesLock);
  auto it = Archives().find(text::ToLowerAscii(name));
  archive = it == Archives().end() ? nullptr : it->second.get();
  return true;
}

// ---------------------------------------------------------------------------
// Native paths

char16_t FoldCase(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  return c;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  u16 x = text::FromUtf8(a), y = text::FromUtf8(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i)
    if (FoldCase(x[i]) != FoldCase(y[i])) return false;
  return true;
}

thread_local int g_lastError = 0;

int Fail(int error) {
  g_lastError = error ? error : EIO;
  return g_lastError;
}

// Opens a native path for reading only when it is a regular file (or a link
// to one): a FIFO would block the reader until some writer comes, a device
// such as /dev/zero never ends, a folder holds no data. The open itself does
// not block (O_NONBLOCK), and the check is made on what was opened.
int OpenRegular(const std::string& n) {
  int fd = open(n.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return -1;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    int err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    close(fd);
    errno = err;
    return -1;
  }
  int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

bool LExists(const std::string& p) {
  struct stat st;
  return lstat(p.c_str(), &st) == 0;
}

}  // namespace

namespace {

bool RegisterArchiveBytes(const u16& name, const unsigned char* data, size_t size, bool givePagesBack) {
  auto a = std::make_unique<Archive>();
  a->mem = MemFile{data, size, 0, givePagesBack};
  if (!a->Open()) return false;
  std::lock_guard<std::mutex> guard(g_archivesLock);
  Archives()[text::ToLowerAscii(name)] = std::move(a);
  return true;
}

}  // namespace

bool RegisterArchive(const u16& name, const unsigned char* data, size_t size) {
  return RegisterArchiveBytes(name, data, size, false);
}

bool RegisterEmbeddedArchive() {
  return RegisterArchiveBytes(u"DA2.ZIP", parlavinto_archive_begin,
                              static_cast<size_t>(parlavinto_archive_end - parlavinto_archive_begin), true);
}

u16 EmbeddedRoot() { return u"ZIP::Incbin::DA2.ZIP//"; }

bool IsArchivePath(const u16& path) { return path.rfind(u"ZIP::", 0) == 0; }

std::vector<u16> ArchiveEntries(const u16& name) {
  std::lock_guard<std::mutex> guard(g_archivesLock);
  auto it = Archives().find(text::ToLowerAscii(name));
  std::vector<u16> names;
  if (it == Archives().end()) return names;
  std::lock_guard<std::mutex> entries(it->second->lock);
  for (const auto& [key, entry] : it->second->index) names.push_back(entry.name);
  return names;
}

std::string NativePath(const u16& path) {
  if (IsArchivePath(path)) return text::ToUtf8(path);
  std::string p = text::ToUtf8(path);
  for (auto& c : p) if (c == '\\') c = '/';
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= p.size()) {
    size_t end = p.find('/', start);
    if (end == std::string::npos) end = p.size();
    if (end > start) parts.push_back(p.substr(start, end - start));
    start = end + 1;
  }
  bool absolute = !p.empty() && p[0] == '/';
  bool trailing = !p.empty() && p.back() == '/';
  std::string cur = absolute ? "/" : "";
  bool resolving = true;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    std::string candidate = cur + part;
    if (resolving && part != "." && part != ".." && !LExists(candidate)) {
      std::string found;
      if (DIR* d = opendir(cur.empty() ? "." : cur.c_str())) {
        while (dirent* de = readdir(d)) {
          std::string n = de->d_name;
          if (n == "." || n == "..") continue;
          if (SameIgnoringCase(n, part)) {
            // prefer an exact match; otherwise the first one in name order
            if (found.empty() || n < found) found = n;
          }
        }
        closedir(d);
      }
      if (!found.empty()) candidate = cur + found;
      else resolving = false;
    }
    cur = candidate;
    if (i + 1 < parts.size()) cur += "/";
  }
  if (trailing && !cur.empty() && cur.back() != '/') cur += "/";
  return cur;
}

Type FileType(const u16& path) {
  Archive* a = nullptr;
  u16 entry;
  if (SplitArchivePath(path, a, entry)) return a && a->Exists(entry) ? Type::File : Type::None;
  std::string n = NativePath(path);
  if (n.empty()) return Type::None;
  struct stat st;
  if (stat(n.c_str(), &st) != 0) return Type::None;
  if (S_ISDIR(st.st_mode)) return Type::Folder;
  return Type::File;
}

bool CanRead(const u16& path) {
  Archive* a = nullptr;
  u16 entry;
  if (SplitArchivePath(path, a, entry)) return a && a->Exists(entry);
  std::string n = NativePath(path);
  if (n.empty()) return false;
  int fd = OpenRegular(n);
  if (fd < 0) return false;
  close(fd);
  return true;
}

std::optional<std::string> ReadAll(const u16& path, size_t maxBytes) {
  Archive* a = nullptr;
  u16 entry;
  if (SplitArchivePath(path, a, entry)) {
    if (!a) return std::nullopt;
    return a->Read(entry, maxBytes);
  }
  std::string n = NativePath(path);
  if (n.empty()) return Fail(ENOENT), std::nullopt;
  int fd = OpenRegular(n);
  if (fd < 0) return Fail(errno), std::nullopt;
  struct stat st;
  if (fstat(fd, &st) != 0) { int err = errno; close(fd); return Fail(err), std::nullopt; }
  if (static_cast<uint64_t>(st.st_size) > maxBytes) { close(fd); return Fail(EFBIG), std::nullopt; }
  std::string out;
  try {
    if (st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
  } catch (const std::bad_alloc&) {
    close(fd);
    return std::nullopt;
  }
  char buf[65536];
  for (;;) {
    ssize_t r = read(fd, buf, sizeof buf);
    if (r < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      close(fd);
      return Fail(err), std::nullopt;
    }
    if (r == 0) break;
    if (out.size() + static_cast<size_t>(r) > maxBytes) { close(fd); return Fail(EFBIG), std::nullopt; }
    try {
      out.append(buf, static_cast<size_t>(r));
    } catch (const std::bad_alloc&) {
      close(fd);
      return Fail(ENOMEM), std::nullopt;
    }
  }
  close(fd);
  return out;
}

namespace {

// Follows symbolic links (also dangling ones) to the path that a write must
// replace. Empty when the links loop.
std::string LinkTarget(std::string p) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::vector<char> buf(4096);
    ssize_t n = readlink(p.c_str(), buf.data(), buf.size());
    if (n <= 0 || static_cast<size_t>(n) >= buf.size()) return p;
    std::string t(buf.data(), static_cast<size_t>(n));
    if (t[0] != '/') {
      size_t slash = p.rfind('/');
      t = (slash == std::string::npos ? std::string() : p.substr(0, slash + 1)) + t;
    }
    p = t;
  }
  return std::string();
}

bool TempNameChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

int LastError() { return g_lastError; }

u16 ErrorText(int error) {
  switch (error) {
    case 0: return u16();
    case EACCES:
    case EPERM: return u"keine Berechtigung";
    case EROFS: return u"der Datenträger ist schreibgeschützt";
    case ENOSPC:
    case EDQUOT: return u"kein Platz mehr auf dem Datenträger";
    case ENOENT:
    case ENOTDIR: return u"der Ordner fehlt";
    case EISDIR: return u"an dieser Stelle steht ein Ordner";
    case ELOOP: return u"symbolische Verknüpfungen im Kreis";
    case EFBIG: return u"die Datei ist zu groß";
    default: return u"Fehler " + text::Num(error) + u" (" + text::FromUtf8(std::strerror(error)) + u")";
  }
}

bool WriteAllAtomic(const u16& path, const std::string& bytes) {
  g_lastError = 0;
  if (IsArchivePath(path)) return Fail(EROFS), false;
  std::string target = NativePath(path);
  if (target.empty() || target.back() == '/') return Fail(EISDIR), false;
  target = LinkTarget(target);
  if (target.empty()) return Fail(ELOOP), false;
  struct stat old;
  bool hadOld = stat(target.c_str(), &old) == 0;
  if (hadOld && !S_ISREG(old.st_mode)) return Fail(S_ISDIR(old.st_mode) ? EISDIR : EPERM), false;
  // A file its owner made read-only stays as it is.
  if (hadOld && access(target.c_str(), W_OK) != 0) return Fail(errno), false;
  size_t slash = target.rfind('/');
  std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string tmp = dir + "." + base + ".XXXXXX";
  std::vector<char> tmpl(tmp.begin(), tmp.end());
  tmpl.push_back('\0');
  int fd = mkstemp(tmpl.data());
  if (fd < 0) return Fail(errno), false;
  // Held while the file is ours: the start-up clean-up leaves a locked file alone.
  flock(fd, LOCK_EX | LOCK_NB);
  std::string tmpName(tmpl.data());
  int err = 0;
  size_t done = 0;
  while (!err && done < bytes.size()) {
    ssize_t w = write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) err = errno;
    else if (w == 0) err = EIO;
    else done += static_cast<size_t>(w);
  }
  if (!err && fchmod(fd, hadOld ? (old.st_mode & 07777) : 0644) != 0) err = errno;
  if (!err && hadOld && geteuid() == 0) (void)fchown(fd, old.st_uid, old.st_gid);
  if (!err && fsync(fd) != 0) err = errno;
  if (close(fd) != 0 && !err) err = errno;
  if (!err && rename(tmpName.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    unlink(tmpName.c_str());
    return Fail(err), false;
  }
  // The new name must survive a crash as well.
  int dfd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    fsync(dfd);
    close(dfd);
  }
  return true;
}

int RemoveStaleTempFiles(const u16& folder, const std::function<bool(const u16& name)>& ours) {
  if (IsArchivePath(folder) || !ours) return 0;
  std::string dir = NativePath(folder);
  if (dir.empty()) return 0;
  if (dir.back() != '/') dir += '/';
  std::vector<std::string> stale;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* de = readdir(d)) {
      std::string n = de->d_name;
      // "." + name + "." + six letters or digits (what mkstemp makes of "XXXXXX")
      if (n.size() < 9 || n[0] != '.' || n[n.size() - 7] != '.') continue;
      if (!std::all_of(n.end() - 6, n.end(), TempNameChar)) continue;
      if (!ours(text::FromUtf8(n.substr(1, n.size() - 8)))) continue;
      stale.push_back(n);
    }
    closedir(d);
  }
  int removed = 0;
  for (const auto& n : stale) {
    std::string p = dir + n;
    struct stat st;
    if (lstat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) continue;
    int fd = open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    // A save in progress (another instance) holds its lock.
    bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (free && unlink(p.c_str()) == 0) ++removed;
    close(fd);
  }
  return removed;
}

bool CreateFolders(const u16& path) {
  if (IsArchivePath(path)) return false;
  std::string n = NativePath(path);
  if (n.empty()) return false;
  std::string cur;
  size_t i = 0;
  if (n[0] == '/') { cur = "/"; i = 1; }
  while (i <= n.size()) {
    size_t end = n.find('/', i);
    if (end == std::string::npos) end = n.size();
    if (end > i) {
      cur += n.substr(i, end - i);
      struct stat st;
      if (stat(cur.c_str(), &st) != 0) {
        if (mkdir(cur.c_str(), 0755) != 0 && errno != EEXIST) return false;
      } else if (!S_ISDIR(st.st_mode)) {
        return false;
      }
      cur += "/";
    }
    i = end + 1;
  }
  return true;
}

bool CopyFile(const u16& from, const u16& to, bool replace) {
  if (!replace && FileType(to) != Type::None) return false;
  auto data = ReadAll(from);
  if (!data) return false;
  return WriteAllAtomic(to, *data);
}

bool Remove(const u16& path) {
  if (IsArchivePath(path)) return false;
  std::string n = NativePath(path);
  return !n.empty() && (unlink(n.c_str()) == 0 || rmdir(n.c_str()) == 0);
}

u16 Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? text::FromUtf8(v) : u16();
}

u16 AppDataFolder() {
#ifdef _WIN32
  return Env("APPDATA");
#else
  u16 xdg = Env("XDG_DATA_HOME");
  if (!xdg.empty() && xdg[0] == u'/') {
    while (xdg.size() > 1 && xdg.back() == u'/') xdg.pop_back();
    return xdg;
  }
  u16 home = Env("HOME");
  if (home.empty()) {
    if (passwd* pw = getpwuid(getuid())) home = text::FromUtf8(pw->pw_dir);
  }
  while (home.size() > 1 && home.back() == u'/') home.pop_back();
  return home + u"/.local/share";
#endif
}

u16 FileName(const u16& path) {
  size_t p = path.find_last_of(u"/\\");
  return p == u16::npos ? path : path.substr(p + 1);
}

std::unique_ptr<Stream> Stream::Open(const u16& path) {
  auto data = ReadAll(path);
  if (!data) return nullptr;
  auto s = std::make_unique<Stream>();
  s->data_ = std::move(*data);
  return s;
}

std::string Stream::ReadLine() {
  std::string line;
  while (pos_ < data_.size()) {
    char c = data_[pos_++];
    if (c == '\n' || c == '\0') break;
    if (c != '\r') line.push_back(c);
  }
  return line;
}

size_t Stream::Read(char* dest, size_t n) {
  size_t left = data_.size() - pos_;
  if (n > left) n = left;
  std::memcpy(dest, data_.data() + pos_, n);
  pos_ += n;
  return n;
}

}  // namespace fs
