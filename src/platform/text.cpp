// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text.h"

namespace text {

u16 FromUtf8(std::string_view s) {
  u16 out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0;
    int len = 0;
    if (c < 0x80) { cp = c; len = 1; }
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
    bool ok = len > 0 && i + len <= s.size();
    for (int k = 1; ok && k < len; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) ok = false;
      else cp = (cp << 6) | (cc & 0x3F);
    }
    if (ok && len > 1) {
      // reject overlong forms and surrogates
      static const char32_t minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
      if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) ok = false;
    }
    if (!ok) { out.push_back(c); ++i; continue; }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) out.push_back(static_cast<char>(cp));
    else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

u16 FromLatin1(std::string_view s) {
  u16 out(s.size(), u'\0');
  for (size_t i = 0; i < s.size(); ++i) out[i] = static_cast<unsigned char>(s[i]);
  return out;
}

std::string ToLatin1(std::u16string_view s) {
  std::string out(s.size(), '\0');
  for (size_t i = 0; i < s.size(); ++i) out[i] = static_cast<char>(s[i] & 0xFF);
  return out;
}

u16 DecodeWithBom(std::string_view b) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) return FromUtf8(b.substr(3));
  if (b.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
    bool little = byte(0) == 0xFF;
    u16 out;
    out.reserve((b.size() - 2) / 2);
    for (size_t i = 2; i + 1 < b.size(); i += 2) {
      out.push_back(little ? static_cast<char16_t>(byte(i) | (byte(i + 1) << 8))
                           : static_cast<char16_t>((byte(i) << 8) | byte(i + 1)));
    }
    return out;
  }
  return FromLatin1(b);
}

bool IsUtf8WithNonAscii(std::string_view s) {
  bool beyond = false;
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) { ++i; continue; }
    int len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    char32_t cp = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
    for (int k = 1; k < len; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    static const char32_t minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    beyond = true;
    i += len;
  }
  return beyond;
}

u16 DecodeTextFile(std::string_view b) {
  if (b.size() >= 2) {
    unsigned char b0 = static_cast<unsigned char>(b[0]), b1 = static_cast<unsigned char>(b[1]);
    bool utf8Bom = b.size() >= 3 && b0 == 0xEF && b1 == 0xBB && static_cast<unsigned char>(b[2]) == 0xBF;
    if (utf8Bom || (b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) return DecodeWithBom(b);
  }
  return IsUtf8WithNonAscii(b) ? FromUtf8(b) : FromLatin1(b);
}

u16 Ascii(std::string_view s) { return FromLatin1(s); }

u16 ToUpperAscii(u16 s) {
  for (auto& c : s) if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return s;
}

u16 ToLowerAscii(u16 s) {
  for (auto& c : s) if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return s;
}

bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'A' && x <= u'Z') x = static_cast<char16_t>(x + 32);
    if (y >= u'A' && y <= u'Z') y = static_cast<char16_t>(y + 32);
    if (x != y) return false;
  }
  return true;
}

u16 Num(long long v) { return Ascii(std::to_string(v)); }

int32_t ToInt(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n' || s[i] == u'\r' || s[i] == u'\v' || s[i] == u'\f')) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) { neg = s[i] == u'-'; ++i; }
  uint32_t base = 10;
  if (i < s.size() && s[i] == u'$') { base = 16; ++i; }
  else if (i < s.size() && s[i] == u'%') { base = 2; ++i; }
  uint32_t v = 0;
  for (; i < s.size(); ++i) {
    char16_t c = s[i];
    uint32_t d;
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (c >= u'a' && c <= u'f') d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') d = c - u'A' + 10;
    else break;
    if (d >= base) break;
    v = v * base + d;
  }
  return static_cast<int32_t>(neg ? 0u - v : v);
}

}  // namespace text
