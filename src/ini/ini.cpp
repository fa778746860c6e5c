// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini/ini.h"

#include <algorithm>
#include <deque>
#include <optional>

#include "platform/text.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct DefaultFileSwitch {
  u16 saved;
  explicit DefaultFileSwitch(const u16& file) : saved(IniDatei) {
    if (!file.empty()) IniDatei = file;
  }
  ~DefaultFileSwitch() { IniDatei = saved; }
};

// A sequence of lines with cheap insertion where the last one happened (the
// keys of one save go into one section): lines before the gap in `vorn`,
// lines after it in `hinten`, last line first.
class Zeilenfolge {
 public:
  size_t size() const { return vorn_.size() + hinten_.size(); }
  void reserve(size_t n) { vorn_.reserve(n); }
  std::string_view& operator[](size_t i) {
    return i < vorn_.size() ? vorn_[i] : hinten_[hinten_.size() - 1 - (i - vorn_.size())];
  }
  const std::string_view& operator[](size_t i) const { return const_cast<Zeilenfolge&>(*this)[i]; }
  void push_back(std::string_view z) { insert(size(), z); }
  void insert(size_t i, std::string_view z) {
    while (vorn_.size() > i) {
      hinten_.push_back(vorn_.back());
      vorn_.pop_back();
    }
    while (vorn_.size() < i) {
      vorn_.push_back(hinten_.back());
      hinten_.pop_back();
    }
    vorn_.push_back(z);
  }
  template <typename F>
  void ForEach(F&& f) const {
    for (const auto& z : vorn_) f(z);
    for (auto it = hinten_.rbegin(); it != hinten_.rend(); ++it) f(*it);
  }

 private:
  std::vector<std::string_view> vorn_, hinten_;
};

// A file's lines as bytes, read by the rules of fs::Stream: a line ends at LF,
// at a zero byte or at the end; CR bytes are dropped. A leading byte-order
// mark is set aside and written back in front of the first line. The lines
// are views into the file's bytes (a big file is not copied line by line);
// changed and new lines live in `eigene`.
struct IniText {
  std::string bom;
  Zeilenfolge zeilen;
  std::deque<std::string> eigene;  // keeps its elements in place as it grows

  explicit IniText(std::string_view b) {
    if (b.substr(0, kBom.size()) == kBom) {
      bom = kBom;
      b.remove_prefix(kBom.size());
    }
    zeilen.reserve(static_cast<size_t>(std::count(b.begin(), b.end(), '\n')) + 64);
    size_t pos = 0;
    while (pos < b.size()) {
      size_t end = pos;
      while (end < b.size() && b[end] != '\n' && b[end] != '\0') ++end;
      std::string_view line = b.substr(pos, end - pos);
      while (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // the usual CR LF
      if (line.find('\r') != std::string_view::npos) {
        std::string ohne;
        for (char c : line)
          if (c != '\r') ohne.push_back(c);
        line = Behalte(std::move(ohne));
      }
      zeilen.push_back(line);
      pos = end + 1;
    }
  }

  std::string_view Behalte(std::string s) {
    eigene.push_back(std::move(s));
    return eigene.back();
  }

  std::string Bytes() const {
    size_t n = bom.size();
    zeilen.ForEach([&](std::string_view z) { n += z.size() + 2; });
    std::string out;
    out.reserve(n);
    out += bom;
    zeilen.ForEach([&](std::string_view z) {
      out += z;
      out += "\r\n";
    });
    return out;
  }

  // One write of key=value into section, as the file would be after it.
  void Setze(const u16& section, const u16& key, const u16& value) {
    const std::optional<std::string> header = Exakt(u"[" + section + u"]");
    const std::optional<std::string> k = Exakt(key);
    const std::string_view neu = Behalte(Gespeichert(key + u"=" + value));
    size_t i = 0;
    const size_t n = zeilen.size();
    if (header)
      while (i < n && zeilen[i] != *header) ++i;
    if (!header || i == n) {
      zeilen.push_back(Behalte(Gespeichert(u"[" + section + u"]")));
      zeilen.push_back(neu);
      return;
    }
    bool gefunden = false;
    size_t j = i + 1;
    for (; j < n; ++j) {
      if (!zeilen[j].empty() && zeilen[j][0] == '[') break;
      if (k && LinkerTeil(zeilen[j]) == *k) {
        zeilen[j] = neu;
        gefunden = true;
      }
    }
    if (!gefunden) zeilen.insert(j, neu);
  }

  static std::string_view LinkerTeil(std::string_view line) {
    size_t p = line.find('=');
    return p == std::string_view::npos ? std::string_view() : line.substr(0, p);
  }

  // Text as the lines of a read file hold it, for comparing: nullopt when it
  // holds a character a file line cannot (beyond one byte), so it never matches.
  static std::optional<std::string> Exakt(const u16& s) {
    for (char16_t c : s)
      if (c > 0xFF) return std::nullopt;
    return text::ToLatin1(s);
  }

  // A line as it is stored: one byte per character (the low 8 bits); a line
  // end or zero byte inside it would split the line and becomes a blank.
  static std::string Gespeichert(const u16& s) {
    std::string b = text::ToLatin1(s);
    for (char& c : b)
      if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return b;
  }
};

u16 NextLine(fs::Stream& s) { return text::FromLatin1(s.ReadLine()); }

}  // namespace

u16 Ini::Lesen(u16 section, u16 key, u16 file) {
  DefaultFileSwitch sw(file);
  return XLiesWert(section, key);
}

int Ini::Value(u16 section, u16 key, u16 file) { return text::ToInt(Lesen(section, key, file)); }

int Ini::Schreiben(u16 section, u16 key, u16 value, u16 file) {
  DefaultFileSwitch sw(file);
  return XSchreibeWert(section, key, value);
}

int Ini::FileExists(u16 path) { return fs::CanRead(path) ? 1 : 0; }

u16 Ini::XLiesWert(u16 section, u16 key) {
  u16 header = u"[" + section + u"]";
  // A file that cannot be opened reads as empty.
  auto stream = fs::Stream::Open(IniDatei);
  if (!stream) return u16();
  bool erste = true;
  while (!stream->Eof()) {
    std::string line = stream->ReadLine();
    if (erste && line.compare(0, kBom.size(), kBom) == 0) line.erase(0, kBom.size());
    erste = false;
    if (text::FromLatin1(line) == header) return SucheNachEintrag(*stream, key);
  }
  return u16();
}

u16 Ini::SucheNachEintrag(fs::Stream& stream, u16 key) {
  while (!stream.Eof()) {
    u16 line = NextLine(stream);
    if (!line.empty() && line[0] == u'[') return u16();
    if (LinkerTeil(line) == key) return TrenneWert(line);
  }
  return u16();
}

int Ini::XSchreibeWert(u16 section, u16 key, u16 value) {
  return SchreibenAlle({IniWert{std::move(section), std::move(key), std::move(value)}}, u"");
}

std::string Ini::Anwenden(std::string_view bytes, const std::vector<IniWert>& werte) {
  IniText t(bytes);
  for (const auto& w : werte) t.Setze(w.section, w.key, w.value);
  return t.Bytes();
}

int Ini::SchreibenAlle(const std::vector<IniWert>& werte, u16 file) {
  const u16 datei = file.empty() ? IniDatei : file;
  std::string alt;
  if (fs::FileType(datei) != fs::Type::None) {
    // What cannot be read cannot be kept: never replace it.
    auto bytes = fs::ReadAll(datei);
    if (!bytes) return 1;
    alt = std::move(*bytes);
  }
  return fs::WriteAllAtomic(datei, Anwenden(alt, werte)) ? 0 : 1;
}

u16 Ini::LinkerTeil(u16 line) {
  size_t p = line.find(u'=');
  return p == u16::npos ? u16() : line.substr(0, p);
}

u16 Ini::TrenneWert(u16 line) {
  size_t p = line.find(u'=');
  return p == u16::npos ? line : line.substr(p + 1);
}
