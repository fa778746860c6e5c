// SPDX-License-Identifier: GPL-3.0-or-later
// The question data file format shared by the game's reader and the build
// tool that makes the shipped files: sections "[Quiz N]" with Key=Value
// lines, values of the text keys scrambled in the shipped files.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fragen {

using u16 = std::u16string;

// Keys of a question section in the order they are written.
const std::vector<u16>& Schluessel();
// Keys whose values are scrambled in the shipped files.
bool IstVerschluesselt(const u16& key);

u16 Entschluesseln(const u16& text);
// Exact inverse of Entschluesseln for plain codes 32..255 at positions where
// it can be inverted; returns false when some character cannot be scrambled.
bool Verschluesseln(const u16& text, u16& out);

// An index over a whole file's text: where each "[Quiz N]" header first
// occurs at the start of a line and where each line beginning with "[Quiz"
// begins, so that looking up a section does not scan the file again.
class SektionsIndex {
 public:
  void Baue(const u16& text);
  // Section text of question n (from its header up to the next line that
  // begins with "[Quiz", or the end), or false when the file has no header for n.
  bool Sektion(const u16& text, int n, u16& out) const;

 private:
  std::map<int, size_t> erste_;
  std::vector<size_t> anfaenge_;
};

// Value of key in a section text: after the first key + "=" that begins a
// line (blanks and tabs before it allowed), up to the next CR.
u16 Wert(const u16& sektion, const u16& key);

// A readable question source file (UTF-8, plain text, same layout).
struct QuellFrage {
  int nummer = 0;
  int zeile = 0;
  std::map<u16, u16> werte;
  u16 Get(const u16& key) const {
    auto it = werte.find(key);
    return it == werte.end() ? u16() : it->second;
  }
};
struct Quelle {
  std::vector<QuellFrage> fragen;
  std::vector<std::string> fehler;  // syntax errors with line numbers
};
Quelle LeseQuelle(const std::string& utf8);

// The data file for a source: ISO 8859-1, CR LF, scrambled text keys, Crypt=1.
// Errors (characters that cannot be stored) go to fehler.
std::string BaueDatei(const Quelle& q, std::vector<std::string>& fehler);

// Checks a source for the rules of a shipped file with number datei (1..9).
// topics: allowed topic names; mediumExists: whether a picture ("Images/x"),
// clip ("Sounds/x") or symbol picture ("Musical/MusicalNN.png") is in the archive.
std::vector<std::string> Pruefe(const Quelle& q, int datei, const std::vector<u16>& topics,
                                const std::function<bool(const u16& entry)>& mediumExists);

// The agreed topics of the shipped questions, in the order they appear.
const std::vector<u16>& Themenliste();

}  // namespace fragen
