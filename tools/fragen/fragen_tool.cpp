// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool for the shipped question files.
//   fragen_tool build <Fragen N.txt> <Fragen N.dat> <assets folder>
// reads a readable UTF-8 question source and writes the question data file:
// ISO 8859-1, CR LF, the text keys scrambled, "Crypt=1". It refuses a source
// that breaks the rules of a shipped file (number outside the file's range,
// a Lösung without its answer, a topic outside the agreed list, a picture,
// clip or music symbol the archive does not hold, ...): every fault is printed
// with the file, the question number and the reason, and nothing is written.
// Right-answer positions must not cycle over 6 or more neighbouring questions
// (see fragen::LoesungsKreise). When it writes a file it prints one line on
// stdout: how often the right answer stands at each position.
// The written file is read back with the game's own reader functions and
// compared with the source.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>
#include <system_error>

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

// The file number of a source named "Fragen N.txt" (N = 1..9), else 0.
static int DateiNummer(const std::string& path) {
  static const std::regex name(R"(Fragen ([1-9])\.txt)");
  std::smatch m;
  std::string base = std::filesystem::path(path).filename().string();
  return std::regex_match(base, m, name) ? std::stoi(m[1]) : 0;
}

static std::u16string Klein(std::u16string s) { return text::ToLowerAscii(std::move(s)); }

// The archive's entries below the assets folder ("Images/x.png"), in lower
// case: the game finds an entry whatever the letter case of the request.
static bool LeseArchiv(const std::string& assets, std::set<std::u16string>& eintraege) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(assets, ec)) return false;
  for (const char* ordner : {"Images", "Sounds", "Musical"}) {
    fs::path d = fs::path(assets) / ordner;
    if (!fs::is_directory(d, ec)) continue;
    for (const auto& e : fs::directory_iterator(d, ec))
      if (e.is_regular_file(ec))
        eintraege.insert(Klein(text::FromUtf8(std::string(ordner) + "/" + e.path().filename().string())));
  }
  return true;
}

int main(int argc, char** argv) {
  if (argc != 5 || std::string(argv[1]) != "build") {
    std::cerr << "usage: fragen_tool build <Fragen N.txt> <out.dat> <assets folder>\n";
    return 2;
  }
  std::string src;
  if (!ReadFile(argv[2], src)) {
    std::cerr << argv[2] << ": cannot read\n";
    return 1;
  }
  int datei = DateiNummer(argv[2]);
  if (datei == 0) {
    std::cerr << argv[2] << ": the source of a shipped file is named \"Fragen N.txt\" (N = 1..9)\n";
    return 1;
  }
  std::set<std::u16string> archiv;
  if (!LeseArchiv(argv[4], archiv)) {
    std::cerr << argv[4] << ": no assets folder\n";
    return 1;
  }
  fragen::Quelle q = fragen::LeseQuelle(src);
  std::vector<std::string> fehler = fragen::Pruefe(q, datei, fragen::Themenliste(),
                                                   [&](const std::u16string& e) { return archiv.count(Klein(e)) > 0; });
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
  std::array<int, 6> verteilung{};
  for (const auto& f : q.fragen) ++verteilung[text::ToInt(f.Get(u"Lösung"))];
  std::cout << std::filesystem::path(argv[2]).filename().string() << ": " << q.fragen.size()
            << " Fragen, richtige Antwort an Stelle";
  for (int k = 1; k <= 5; ++k) std::cout << (k > 1 ? "," : "") << " " << k << ": " << verteilung[k];
  std::cout << "\n";
  return 0;
}
