// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini/ini.h"

#include "platform/text.h"

namespace {

struct DefaultFileSwitch {
  u16 saved;
  explicit DefaultFileSwitch(const u16& file) : saved(IniDatei) {
    if (!file.empty()) IniDatei = file;
  }
  ~DefaultFileSwitch() { IniDatei = saved; }
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
  while (!stream->Eof()) {
    if (NextLine(*stream) == header) return SucheNachEintrag(*stream, key);
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
  u16 header = u"[" + section + u"]";
  u16 newLine = key + u"=" + value;
  size_t n = 0;
  auto put = [&](size_t i, u16 line) {
    if (IniZeilen.size() <= i) IniZeilen.resize(i + 1 + i / 2);
    IniZeilen[i] = std::move(line);
  };
  if (FileExists(IniDatei)) {
    auto stream = fs::Stream::Open(IniDatei);
    if (!stream) return 1;
    while (!stream->Eof()) put(++n, NextLine(*stream));
  }
  size_t i = 1;
  while (i <= n && IniZeilen[i] != header) ++i;
  if (i <= n) {
    bool foundEntry = false;
    size_t j = i + 1;
    for (; j <= n; ++j) {
      if (!IniZeilen[j].empty() && IniZeilen[j][0] == u'[') break;
      if (LinkerTeil(IniZeilen[j]) == key) {
        IniZeilen[j] = newLine;
        foundEntry = true;
      }
    }
    if (!foundEntry) {
      put(n + 1, u16());
      for (size_t k = n; k >= j; --k) IniZeilen[k + 1] = std::move(IniZeilen[k]);
      IniZeilen[j] = newLine;
      ++n;
    }
  } else {
    put(n + 1, header);
    put(n + 2, newLine);
    n += 2;
  }
  std::string out;
  for (size_t k = 1; k <= n; ++k) {
    out += text::ToLatin1(IniZeilen[k]);
    out += "\r\n";
  }
  return fs::WriteAllAtomic(IniDatei, out) ? 0 : 1;
}

u16 Ini::LinkerTeil(u16 line) {
  size_t p = line.find(u'=');
  return p == u16::npos ? u16() : line.substr(0, p);
}

u16 Ini::TrenneWert(u16 line) {
  size_t p = line.find(u'=');
  return p == u16::npos ? line : line.substr(p + 1);
}
