// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/localize.h"

#include <string_view>
#include <vector>

#include "platform/fs/fs.h"
#include "platform/diagnostic.h"
#include "platform/text.h"

namespace {

using view = std::u16string_view;

int g_mode = 0;
TLanguagePtr g_language;
std::function<void()> g_relocalize;

// Language files larger than this are refused.
constexpr size_t kMaxLanguageFile = size_t(1) << 26;
// Deeper nesting of translations is treated like a cycle.
constexpr size_t kMaxDepth = 64;
// Work allowed for one outermost LocalizeString call (characters produced
// plus tokens translated) beyond four times its text; more is runaway.
constexpr size_t kMaxWork = size_t(1) << 23;

// Texts currently being localized, innermost last (the cycle check).
std::vector<const u16*> g_active;
size_t g_work = 0;
size_t g_budget = kMaxWork;
bool g_runaway = false;

// Keeps a text on the stack of texts being localized while it is scanned.
struct ActiveText {
  explicit ActiveText(const u16& text) { g_active.push_back(&text); }
  ~ActiveText() { g_active.pop_back(); }
  ActiveText(const ActiveText&) = delete;
  ActiveText& operator=(const ActiveText&) = delete;
};

const char16_t* const kHeader = u"[LanguageDefinition]";
const char16_t* const kError = u"!ERROR!";

char16_t LowerChar(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  return c;
}

// Blanks and tabs at the start, blanks, tabs and CR at the end.
view Strip(view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == u' ' || s[b] == u'\t')) ++b;
  while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t' || s[e - 1] == u'\r')) --e;
  return s.substr(b, e - b);
}

view Unquote(view s) {
  s = Strip(s);
  if (s.size() >= 2 && s.front() == u'"' && s.back() == u'"') s = s.substr(1, s.size() - 2);
  return s;
}

// Cuts the comment off a line: a ";" before the "=", or after it but before any
// double quote, ends the line; after a quote behind the "=", a ";" without a
// backslash before it ends the line unless another quote follows.
view CutComment(view line) {
  bool seenEq = false, quoted = false;
  size_t end = view::npos;
  for (size_t i = 0; i < line.size(); ++i) {
    char16_t c = line[i];
    if (!seenEq) {
      if (c == u';') return line.substr(0, i);
      if (c == u'=') seenEq = true;
    } else if (!quoted) {
      if (c == u';') return line.substr(0, i);
      if (c == u'"') quoted = true;
    } else if (c == u'"') {
      end = view::npos;
    } else if (c == u';' && line[i - 1] != u'\\' && end == view::npos) {
      end = i;
    }
  }
  return end == view::npos ? line : line.substr(0, end);
}

// Escapes in one pass, so that a doubled backslash is resolved first.
u16 ResolveEscapes(view s) {
  u16 out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c == u'\\' && i + 1 < s.size()) {
      char16_t r = 0;
      switch (s[i + 1]) {
        case u'\\': r = u'\\'; break;
        case u'r': r = u'\r'; break;
        case u'n': r = u'\n'; break;
        case u';': r = u';'; break;
        case u'#': r = u'#'; break;
        case u':': r = u':'; break;
        case u't': r = u'\t'; break;
        default: break;
      }
      if (r) {
        out.push_back(r);
        ++i;
        continue;
      }
    }
    out.push_back(c);
  }
  return out;
}

// Position just after the line end that follows "[LanguageDefinition]", or npos.
size_t EntriesStart(view t) {
  const view header(kHeader);
  for (size_t p = t.find(header); p != view::npos; p = t.find(header, p + 1)) {
    size_t q = p + header.size();
    if (q < t.size() && t[q] == u'\n') return q + 1;
    if (q < t.size() && t[q] == u'\r') return q + 1 < t.size() && t[q + 1] == u'\n' ? q + 2 : q + 1;
  }
  return view::npos;
}

bool ContainsIgnoreCase(view hay, view needle) {
  if (needle.empty()) return true;
  const char16_t first = LowerChar(needle[0]);
  for (size_t i = 0; i + needle.size() <= hay.size(); ++i) {
    if (LowerChar(hay[i]) != first) continue;
    size_t k = 1;
    while (k < needle.size() && LowerChar(hay[i + k]) == LowerChar(needle[k])) ++k;
    if (k == needle.size()) return true;
  }
  return false;
}

void WarnCycle(const u16& text) {
  platform::Diagnostic("WARNING: Encountered cyclic localization string: \"" + text::ToUtf8(text) + "\".");
}

bool Spend(size_t amount) {
  g_work += amount;
  if (g_work > g_budget) g_runaway = true;
  return !g_runaway;
}

u16 Localize(const u16& text);

u16 TranslateContent(const u16& content) {
  if (!g_language) return content;
  return Localize(g_language->LookupToken(content));
}

// Replaces the tokens of one text, left to right, innermost first; the text
// inserted for a token is not scanned again.
u16 ReplaceTokens(const u16& text) {
  u16 out;
  out.reserve(text.size());
  std::vector<size_t> open;  // content start of each open token in out
  int openRun = 0, closeRun = 0;
  for (char16_t c : text) {
    if (c == u'{') {
      closeRun = 0;
      out.push_back(c);
      if (++openRun == 2) {  // a third "{" starts counting anew
        open.push_back(out.size());
        openRun = 0;
      }
    } else if (c == u'}') {
      openRun = 0;
      if (closeRun == 1 && !open.empty()) {
        // out ends with the first "}"; the token starts two before its content
        const size_t p = open.back();
        open.pop_back();
        const u16 content = out.substr(p, out.size() - 1 - p);
        out.resize(p - 2);
        const u16 shown = TranslateContent(content);
        if (g_runaway || !Spend(shown.size())) break;
        out += shown;
        closeRun = 0;
      } else {
        out.push_back(c);
        closeRun = closeRun == 1 ? 0 : 1;
      }
    } else {
      openRun = closeRun = 0;
      out.push_back(c);
    }
  }
  return out;
}

u16 Localize(const u16& text) {
  if (g_runaway) return kError;
  for (const u16* t : g_active) {
    if (*t == text) {
      WarnCycle(text);
      return kError;
    }
  }
  if (g_active.size() >= kMaxDepth) {
    WarnCycle(text);
    return kError;
  }
  if (!Spend(text.size() + 1)) return kError;  // the outermost call warns
  u16 out;
  {
    ActiveText active(text);
    out = ReplaceTokens(text);
  }
  if (g_runaway) {
    if (g_active.empty()) WarnCycle(text);
    return kError;
  }
  return out;
}

}  // namespace

u16 LowerToken(const u16& token) {
  u16 out = token;
  for (char16_t& c : out) c = LowerChar(c);
  return out;
}

u16 TLanguage::LookupToken(const u16& token) const {
  auto it = Tokens.find(LowerToken(token));
  return it == Tokens.end() ? token : it->second;
}

TLanguagePtr ParseLanguage(const std::string& bytes) {
  const u16 all = text::DecodeWithBom(bytes);
  const view t(all);
  const size_t start = EntriesStart(t);
  if (start == view::npos || !ContainsIgnoreCase(t.substr(start), u"LanguageId")) return nullptr;

  auto lang = std::make_shared<TLanguage>();
  size_t pos = start;
  while (pos < t.size()) {
    size_t lf = t.find(u'\n', pos);
    if (lf == view::npos) lf = t.size();
    view line = Strip(CutComment(t.substr(pos, lf - pos)));
    pos = lf + 1;
    if (line.empty()) continue;
    if (line.front() == u'[') break;
    const u16 entry = ResolveEscapes(line);
    const size_t eq = entry.find(u'=');
    if (eq == u16::npos || eq == 0) continue;
    const view whole(entry);
    const u16 token(Unquote(whole.substr(0, eq)));
    if (token.empty()) continue;
    u16 translation(Unquote(whole.substr(eq + 1)));
    if (token == u"LanguageId") lang->Name = translation;
    lang->Tokens[LowerToken(token)] = std::move(translation);
  }
  return lang;
}

TLanguagePtr LoadLanguage(const u16& path) {
  auto bytes = fs::ReadAll(path, kMaxLanguageFile);
  if (!bytes) return nullptr;
  return ParseLanguage(*bytes);
}

void SetLocalizationMode(int mode) {
  const int old = g_mode;
  g_mode = mode;
  if (((old ^ mode) & 1) && g_relocalize) g_relocalize();
}

int LocalizationMode() { return g_mode; }

void SetLanguage(TLanguagePtr language) {
  g_language = std::move(language);
  if (g_relocalize) g_relocalize();
}

TLanguagePtr ActiveLanguage() { return g_language; }

u16 LocalizeString(const u16& text) {
  if (!(g_mode & 1)) return text;
  const bool outermost = g_active.empty();
  if (outermost) {
    g_work = 0;
    g_budget = kMaxWork + 4 * text.size();
    g_runaway = false;
  }
  return Localize(text);
}

void SetRelocalizeHandler(std::function<void()> handler) { g_relocalize = std::move(handler); }
