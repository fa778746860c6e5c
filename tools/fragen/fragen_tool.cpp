// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool for the shipped question files.
//   fragen_tool build <source.txt> <Fragen N.dat>
// reads a readable UTF-8 question source and writes the question data file:
// ISO 8859-1, CR LF, the text keys scrambled, "Crypt=1". The written file is
// read back with the game's own reader functions and compared with the source.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "catalogue/fragencodec.h"
#include "platform/text.h"

static bool ReadFile(const char* path, std::string& out) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  std::stringstream ss;
  ss << f.rdbuf();
  out = ss.str();
  return true;
}

int main(int argc, char** argv) {
  if (argc != 4 || std::string(argv[1]) != "build") {
    std::cerr << "usage: fragen_tool build <source.txt> <out.dat>\n";
    return 2;
  }
  std::string src;
  if (!ReadFile(argv[2], src)) {
    std::cerr << argv[2] << ": cannot read\n";
    return 1;
  }
  fragen::Quelle q = fragen::LeseQuelle(src);
  std::vector<std::string> fehler = q.fehler;
  std::string dat = fragen::BaueDatei(q, fehler);

  // Read back what was written, the way the game reads it.
  std::u16string t = text::DecodeWithBom(dat);
  fragen::SektionsIndex index;
  index.Baue(t);
  for (const auto& f : q.fragen) {
    std::u16string sek;
    if (!index.Sektion(t, f.nummer, sek)) {
      fehler.push_back("Frage " + std::to_string(f.nummer) + ": Abschnitt nicht wiederzufinden");
      continue;
    }
    for (const auto& key : fragen::Schluessel()) {
      std::u16string v = fragen::Wert(sek, key);
      if (fragen::IstVerschluesselt(key)) v = fragen::Entschluesseln(v);
      if (v != f.Get(key))
        fehler.push_back("Frage " + std::to_string(f.nummer) + ", " + text::ToUtf8(key) + ": liest sich anders zurück");
    }
  }
  if (!fehler.empty()) {
    for (const auto& e : fehler) std::cerr << argv[2] << ": " << e << "\n";
    return 1;
  }
  std::string tmp = std::string(argv[3]) + ".tmp";
  {
    std::ofstream o(tmp, std::ios::binary | std::ios::trunc);
    o << dat;
    if (!o) {
      std::cerr << tmp << ": cannot write\n";
      return 1;
    }
  }
  if (std::rename(tmp.c_str(), argv[3]) != 0) {
    std::cerr << argv[3] << ": cannot write\n";
    return 1;
  }
  return 0;
}
