// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the licence listing honest: packaging/copyright (machine-readable,
// Debian copyright format) must cover every file of the archive, agree with
// the media manifest (tools/media/manifest.tsv) and carry the text of every
// licence it names; every source file of ours must say it is GPL-3.0-or-later.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/sandbox.h"

namespace fsys = std::filesystem;

namespace {

std::string ReadText(const fsys::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : s) {
    if (c == sep) {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  out.push_back(cur);
  return out;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t\r\n");
  return s.substr(a, b - a + 1);
}

// ---------------------------------------------------------------------------
// The copyright file: paragraphs of "Field: value" lines, continuation lines
// start with a blank, paragraphs are separated by empty lines.

struct FilesParagraph {
  std::vector<std::string> patterns;
  std::string licence;  // the licence expression (first line of License:)
  int line = 0;
};

struct Listing {
  std::vector<FilesParagraph> files;
  std::map<std::string, std::string> licenceTexts;  // short name -> text
  std::vector<std::string> problems;
};

Listing ParseCopyright(const std::string& text) {
  Listing out;
  std::vector<std::string> lines = Split(text, '\n');
  size_t i = 0;
  int paragraphNo = 0;
  while (i < lines.size()) {
    while (i < lines.size() && Trim(lines[i]).empty()) ++i;
    if (i >= lines.size()) break;
    int firstLine = static_cast<int>(i) + 1;
    std::map<std::string, std::string> firstValue, rest;
    std::string field;
    for (; i < lines.size() && !Trim(lines[i]).empty(); ++i) {
      const std::string& l = lines[i];
      if (l[0] == ' ' || l[0] == '\t') {
        if (field.empty()) {
          out.problems.push_back("line " + std::to_string(i + 1) + ": continuation without a field");
          continue;
        }
        rest[field] += Trim(l) + "\n";
        continue;
      }
      size_t colon = l.find(':');
      if (colon == std::string::npos) {
        out.problems.push_back("line " + std::to_string(i + 1) + ": not a field: " + l);
        field.clear();
        continue;
      }
      field = l.substr(0, colon);
      firstValue[field] = Trim(l.substr(colon + 1));
    }
    ++paragraphNo;
    if (paragraphNo == 1) {
      if (!firstValue.count("Format")) out.problems.push_back("the header paragraph has no Format field");
      continue;
    }
    if (firstValue.count("Files")) {
      FilesParagraph p;
      std::string all = firstValue["Files"] + " " + rest["Files"];
      std::istringstream ss(all);
      for (std::string pat; ss >> pat;) p.patterns.push_back(pat);
      p.licence = firstValue.count("License") ? firstValue["License"] : "";
      p.line = firstLine;
      if (p.licence.empty()) out.problems.push_back("line " + std::to_string(firstLine) + ": Files paragraph without License");
      if (!firstValue.count("Copyright"))
        out.problems.push_back("line " + std::to_string(firstLine) + ": Files paragraph without Copyright");
      out.files.push_back(p);
    } else if (firstValue.count("License")) {
      out.licenceTexts[firstValue["License"]] = rest["License"];
    } else {
      out.problems.push_back("line " + std::to_string(firstLine) + ": paragraph is neither Files nor License");
    }
  }
  return out;
}

// Wildcards of the copyright format: "*" any string (also across "/"), "?" one character.
bool Matches(const std::string& pat, const std::string& path) {
  size_t p = 0, s = 0, starP = std::string::npos, starS = 0;
  while (s < path.size()) {
    if (p < pat.size() && (pat[p] == '?' || pat[p] == path[s])) {
      ++p;
      ++s;
    } else if (p < pat.size() && pat[p] == '*') {
      starP = p++;
      starS = s;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      s = ++starS;
    } else {
      return false;
    }
  }
  while (p < pat.size() && pat[p] == '*') ++p;
  return p == pat.size();
}

// The licence of a file: the last Files paragraph that matches it; "" when none does.
std::string LicenceOf(const Listing& l, const std::string& path) {
  std::string found;
  for (const auto& p : l.files)
    for (const auto& pat : p.patterns)
      if (Matches(pat, path)) found = p.licence;
  return found;
}

// The licence names of an expression such as "CC-BY-SA-4.0 and MIT" or "(A or B)".
std::set<std::string> NamesIn(const std::string& expr) {
  std::string cleaned;
  for (char c : expr) cleaned += (c == '(' || c == ')' || c == ',') ? ' ' : c;
  std::set<std::string> out;
  std::istringstream ss(cleaned);
  for (std::string w; ss >> w;) {
    std::string lower = w;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    if (lower != "and" && lower != "or" && lower != "with") out.insert(w);
  }
  return out;
}

// The licence names of a manifest's licence column: an expression of short
// names, or words for a public-domain dedication.
std::set<std::string> ManifestNames(const std::string& licence) {
  std::string lower = licence;
  std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
  if (lower.find("public domain") == std::string::npos && lower.find("public-domain") == std::string::npos)
    return NamesIn(licence);
  // A public-domain work with additions of ours names both.
  std::set<std::string> out = {"public-domain"};
  for (const char* name : {"CC-BY-SA-4.0", "GPL-3.0-or-later", "CC0-1.0", "MIT", "OFL-1.1"})
    if (licence.find(name) != std::string::npos) out.insert(name);
  return out;
}

// Scripts that synthesise a clip are program code, whatever their output is.
bool IsProgram(const std::string& rel) {
  std::string ext = fsys::path(rel).extension().string();
  return ext == ".py" || ext == ".sh" || ext == ".cpp";
}

bool IsPicture(const std::string& rel) {
  std::string ext = fsys::path(rel).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
  return ext == ".png" || ext == ".jpg" || ext == ".jpeg" || ext == ".gif";
}
bool IsClip(const std::string& rel) {
  std::string ext = fsys::path(rel).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
  return ext == ".ogg";
}
bool IsFont(const std::string& rel) {
  std::string ext = fsys::path(rel).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
  return ext == ".ttf" || ext == ".otf";
}

// Our own content licence and the program's licence: a font or a drawing
// under one of these was not listed as the third-party part it is.
const std::set<std::string> kOwnLicences = {"CC-BY-SA-4.0", "GPL-3.0-or-later"};

// Checks the listing of a source tree; returns every disagreement found.
std::vector<std::string> CheckTree(const fsys::path& root) {
  std::vector<std::string> problems;
  const fsys::path copyrightFile = root / "packaging/copyright";
  if (!fsys::exists(copyrightFile)) return {"packaging/copyright is missing"};
  Listing l = ParseCopyright(ReadText(copyrightFile));
  problems = l.problems;

  // Every licence named has its text (or a pointer to it) in the file.
  for (const auto& p : l.files)
    for (const auto& name : NamesIn(p.licence)) {
      auto it = l.licenceTexts.find(name);
      if (it == l.licenceTexts.end() || Trim(it->second).size() < 100)
        problems.push_back("line " + std::to_string(p.line) + ": no licence text for " + name);
    }
  // A path without wildcards names one file that must exist.
  for (const auto& p : l.files)
    for (const auto& pat : p.patterns)
      if (pat.find_first_of("*?") == std::string::npos && !fsys::exists(root / pat))
        problems.push_back("line " + std::to_string(p.line) + ": " + pat + " does not exist");

  // Every archive file is covered; fonts are third-party and carry their licence beside them.
  std::vector<std::string> assets;
  if (fsys::exists(root / "assets"))
    for (const auto& e : fsys::recursive_directory_iterator(root / "assets"))
      if (e.is_regular_file()) assets.push_back(fsys::relative(e.path(), root).generic_string());
  std::sort(assets.begin(), assets.end());
  for (const auto& a : assets) {
    std::string lic = LicenceOf(l, a);
    if (lic.empty()) {
      problems.push_back(a + ": not covered");
      continue;
    }
    if (NamesIn(lic).count("GPL-3.0-or-later")) problems.push_back(a + ": archive content listed as program code");
    if (IsFont(a)) {
      std::set<std::string> names = NamesIn(lic);
      bool own = std::all_of(names.begin(), names.end(), [](const std::string& n) { return kOwnLicences.count(n) > 0; });
      if (own) problems.push_back(a + ": font without a licence paragraph of its own");
      std::string beside = fsys::path(a).replace_extension().generic_string() + " LICENSE.txt";
      if (!fsys::exists(root / beside)) problems.push_back(a + ": no \"" + beside + "\" beside it");
    }
  }

  // The media manifest agrees with the listing.
  const fsys::path manifestFile = root / "tools/media/manifest.tsv";
  if (!fsys::exists(manifestFile)) {
    problems.push_back("tools/media/manifest.tsv is missing");
    return problems;
  }
  std::vector<std::string> rows = Split(ReadText(manifestFile), '\n');
  if (rows.empty() || Trim(rows[0]) != "entry\tsource\tcommand\torigin\tlicence") {
    problems.push_back("manifest: the header line is not \"entry source command origin licence\"");
    return problems;
  }
  std::set<std::string> inManifest;
  for (size_t i = 1; i < rows.size(); ++i) {
    std::string row = rows[i];
    if (!row.empty() && row.back() == '\r') row.pop_back();
    if (Trim(row).empty() || row[0] == '#') continue;
    const std::string where = "manifest line " + std::to_string(i + 1);
    std::vector<std::string> c = Split(row, '\t');
    if (c.size() != 5) {
      problems.push_back(where + ": " + std::to_string(c.size()) + " columns instead of 5");
      continue;
    }
    const std::string entry = "assets/" + Trim(c[0]), source = Trim(c[1]), origin = Trim(c[3]), licence = Trim(c[4]);
    inManifest.insert(entry);
    if (!fsys::exists(root / entry)) problems.push_back(where + ": " + entry + " does not exist");
    if (licence.empty()) problems.push_back(where + ": no licence");
    std::string lowerOrigin = origin;
    std::transform(lowerOrigin.begin(), lowerOrigin.end(), lowerOrigin.begin(), ::tolower);
    if (lowerOrigin.find("openclipart") != std::string::npos && !ManifestNames(licence).count("public-domain") &&
        !ManifestNames(licence).count("CC0-1.0"))
      problems.push_back(where + ": clip art from openclipart-svg is public domain, the manifest says " + licence);
    std::vector<std::string> paths = {entry};
    if (!source.empty() && source != "-" && !IsProgram(source)) paths.push_back(source);
    if (!source.empty() && source != "-" && !fsys::exists(root / source))
      problems.push_back(where + ": source " + source + " does not exist");
    for (const auto& p : paths) {
      std::set<std::string> wanted = ManifestNames(licence);
      // A clip rendered with the sound font carries its samples: the result
      // (not our score) is also under the sound font's licence.
      if (p == entry && lowerOrigin.find("fluidr3") != std::string::npos) wanted.insert("MIT");
      std::set<std::string> listed = NamesIn(LicenceOf(l, p));
      for (const auto& w : wanted) {
        if (!listed.count(w))
          problems.push_back(where + ": " + p + " is " + w + " by the manifest but \"" + LicenceOf(l, p) +
                             "\" in packaging/copyright");
        if (!l.licenceTexts.count(w)) problems.push_back(where + ": no licence text for " + w);
      }
    }
  }
  // Once the manifest is filled, every picture and clip of the archive has its line.
  if (!inManifest.empty())
    for (const auto& a : assets)
      if ((IsPicture(a) || IsClip(a)) && !inManifest.count(a)) problems.push_back(a + ": no line in the manifest");
  return problems;
}

std::string Joined(const std::vector<std::string>& v) {
  std::string s;
  for (const auto& x : v) s += "  " + x + "\n";
  return s;
}

TEST(LicenceListing, TheSourceTreeIsCompletelyListed) {
  std::vector<std::string> problems = CheckTree(PARLAVINTO_SOURCE_DIR);
  EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST(LicenceListing, ThirdPartyLicencesAreThere) {
  Listing l = ParseCopyright(ReadText(fsys::path(PARLAVINTO_SOURCE_DIR) / "packaging/copyright"));
  for (const char* name : {"GPL-3.0-or-later", "CC-BY-SA-4.0", "OFL-1.1", "CC0-1.0", "MIT", "public-domain"})
    EXPECT_TRUE(l.licenceTexts.count(name)) << name;
  EXPECT_NE(std::string::npos, l.licenceTexts["OFL-1.1"].find("SIL OPEN FONT LICENSE"));
  EXPECT_NE(std::string::npos, l.licenceTexts["CC-BY-SA-4.0"].find("Attribution-ShareAlike 4.0 International"));
  EXPECT_EQ("GPL-3.0-or-later", LicenceOf(l, "src/main.cpp"));
  EXPECT_EQ("CC-BY-SA-4.0", LicenceOf(l, "content/fragen/Fragen 1.txt"));
  EXPECT_EQ("OFL-1.1", LicenceOf(l, "assets/Sonst/comic.ttf"));
  EXPECT_EQ("OFL-1.1", LicenceOf(l, "assets/Sonst/arial LICENSE.txt"));
  EXPECT_EQ(NamesIn("CC-BY-SA-4.0 and MIT"), NamesIn(LicenceOf(l, "assets/Sounds/Werk_Beispiel.ogg")));
  EXPECT_EQ("public-domain", LicenceOf(l, "assets/Images/Instrument_Geige.png"));
}

TEST(LicenceListing, WildcardsOfTheCopyrightFormat) {
  EXPECT_TRUE(Matches("*", "a/b/c.txt"));
  EXPECT_TRUE(Matches("assets/*", "assets/Sonst/x"));
  EXPECT_TRUE(Matches("assets/Sonst/comic*LICENSE.txt", "assets/Sonst/comic LICENSE.txt"));
  EXPECT_TRUE(Matches("a?c", "abc"));
  EXPECT_FALSE(Matches("assets/*.ttf", "assets/a.ttf.bak"));
  EXPECT_FALSE(Matches("assets/Sonst/comic.ttf", "assets/Sonst/comic.ttfx"));
  EXPECT_FALSE(Matches("src/*", "assets/src/x"));
}

// A small tree with one fault each: the check must name it.
struct BrokenTree {
  const char* name;
  const char* file;     // path inside the tree
  const char* content;  // replaces the file; "" removes it
  const char* expected;  // part of a reported problem
};

void PrintTo(const BrokenTree& t, std::ostream* os) { *os << t.name; }

class LicenceListingFaults : public testing::TestWithParam<BrokenTree> {
 protected:
  void WriteGoodTree(const testing_support::Sandbox& box) {
    box.Write("packaging/copyright",
              "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n\n"
              "Files: *\nCopyright: us\nLicense: GPL-3.0-or-later\n\n"
              "Files: assets/* tools/media/bilder/* tools/media/klaenge/*\nCopyright: us\nLicense: CC-BY-SA-4.0\n\n"
              "Files: assets/Sonst/comic.ttf assets/Sonst/comic*LICENSE.txt\nCopyright: them\nLicense: OFL-1.1\n\n"
              "Files: assets/Images/Geige.png tools/media/bilder/Geige.svg\nCopyright: them\nLicense: public-domain\n\n"
              "Files: assets/Sounds/Klang_*\nCopyright: us\n them\nLicense: CC-BY-SA-4.0 and MIT\n\n" +
                  LicenceText("GPL-3.0-or-later") + LicenceText("CC-BY-SA-4.0") + LicenceText("OFL-1.1") +
                  LicenceText("public-domain") + LicenceText("MIT"));
    box.Write("assets/Sonst/comic.ttf", "font");
    box.Write("assets/Sonst/comic LICENSE.txt", "OFL");
    box.Write("assets/Images/Geige.png", "png");
    box.Write("assets/Images/Hintergrund.png", "png");
    box.Write("assets/Sounds/Klang_Oboe.ogg", "ogg");
    box.Write("tools/media/bilder/Geige.svg", "<svg/>");
    box.Write("tools/make.py", "# a program: GPL, whatever it makes");
    box.Write("tools/media/klaenge/Klang_Oboe.ly", "%");
    box.Write("tools/media/manifest.tsv",
              "entry\tsource\tcommand\torigin\tlicence\n"
              "Images/Geige.png\ttools/media/bilder/Geige.svg\tbuild.sh\topenclipart-svg: violin.svg\t"
              "public domain (Creative Commons Public Domain Dedication)\n"
              "Images/Hintergrund.png\ttools/make.py\trender.sh\tour own synthesis\tCC-BY-SA-4.0\n"
              "Sounds/Klang_Oboe.ogg\ttools/media/klaenge/Klang_Oboe.ly\tbuild.sh\town tune; FluidR3_GM sound font\t"
              "CC-BY-SA-4.0\n");
  }
  static std::string LicenceText(const std::string& name) {
    std::string s = "License: " + name + "\n";
    for (int i = 0; i < 5; ++i) s += " The full text of the licence goes here, line by line, as it was published.\n";
    return s + "\n";
  }
};

TEST_F(LicenceListingFaults, TheGoodTreePasses) {
  testing_support::Sandbox box;
  WriteGoodTree(box);
  std::vector<std::string> problems = CheckTree(box.Dir());
  EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST_F(LicenceListingFaults, AManifestWithOnlyItsHeaderIsAccepted) {
  testing_support::Sandbox box;
  WriteGoodTree(box);
  box.Write("tools/media/manifest.tsv", "entry\tsource\tcommand\torigin\tlicence\n");
  std::vector<std::string> problems = CheckTree(box.Dir());
  EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST_P(LicenceListingFaults, IsReported) {
  const BrokenTree& t = GetParam();
  testing_support::Sandbox box;
  WriteGoodTree(box);
  if (std::string(t.content).empty())
    fsys::remove(fsys::path(box.Dir()) / t.file);
  else
    box.Write(t.file, t.content);
  std::vector<std::string> problems = CheckTree(box.Dir());
  std::string all = Joined(problems);
  EXPECT_NE(std::string::npos, all.find(t.expected)) << all;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LicenceListingFaults,
    testing::Values(
        BrokenTree{"NewFontNotListed", "assets/Sonst/neu.ttf", "font", "neu.ttf: font without a licence paragraph"},
        BrokenTree{"FontWithoutItsLicenceText", "assets/Sonst/comic LICENSE.txt", "",
                   "no \"assets/Sonst/comic LICENSE.txt\" beside it"},
        BrokenTree{"ClipArtListedAsOurs", "tools/media/manifest.tsv",
                   "entry\tsource\tcommand\torigin\tlicence\n"
                   "Images/Hintergrund.png\t-\tbuild.sh\topenclipart-svg: violin.svg\tpublic domain\n",
                   "assets/Images/Hintergrund.png is public-domain by the manifest"},
        BrokenTree{"OpenclipartNotPublicDomainInManifest", "tools/media/manifest.tsv",
                   "entry\tsource\tcommand\torigin\tlicence\n"
                   "Images/Geige.png\t-\tbuild.sh\topenclipart-svg: violin.svg\tCC-BY-SA-4.0\n",
                   "clip art from openclipart-svg is public domain"},
        BrokenTree{"RenderedClipWithoutTheSoundFontLicence", "tools/media/manifest.tsv",
                   "entry\tsource\tcommand\torigin\tlicence\n"
                   "Images/Hintergrund.png\t-\tbuild.sh\tour melody, FluidR3_GM\tCC-BY-SA-4.0\n",
                   "assets/Images/Hintergrund.png is MIT by the manifest"},
        BrokenTree{"ManifestEntryMissing", "tools/media/manifest.tsv",
                   "entry\tsource\tcommand\torigin\tlicence\nImages/Weg.png\t-\tbuild.sh\tours\tCC-BY-SA-4.0\n",
                   "assets/Images/Weg.png does not exist"},
        BrokenTree{"ManifestSourceMissing", "tools/media/bilder/Geige.svg", "",
                   "source tools/media/bilder/Geige.svg does not exist"},
        BrokenTree{"ManifestRowTooShort", "tools/media/manifest.tsv",
                   "entry\tsource\tcommand\torigin\tlicence\nImages/Geige.png\tx\tCC0-1.0\n",
                   "3 columns instead of 5"},
        BrokenTree{"ManifestHeaderWrong", "tools/media/manifest.tsv", "entry,source\n", "the header line"},
        BrokenTree{"PictureWithoutManifestLine", "assets/Images/Neu.png", "png",
                   "assets/Images/Neu.png: no line in the manifest"},
        BrokenTree{"ListedFileGone", "assets/Images/Geige.png", "", "assets/Images/Geige.png does not exist"},
        BrokenTree{"LicenceTextMissing", "packaging/copyright",
                   "Format: x\n\nFiles: *\nCopyright: us\nLicense: GPL-3.0-or-later\n\n"
                   "Files: assets/*\nCopyright: us\nLicense: CC-BY-SA-4.0\n",
                   "no licence text for GPL-3.0-or-later"},
        BrokenTree{"ArchiveFileAsProgramCode", "packaging/copyright",
                   "Format: x\n\nFiles: *\nCopyright: us\nLicense: GPL-3.0-or-later\n",
                   "archive content listed as program code"},
        BrokenTree{"ParagraphWithoutCopyright", "packaging/copyright",
                   "Format: x\n\nFiles: *\nLicense: GPL-3.0-or-later\n", "Files paragraph without Copyright"},
        BrokenTree{"CopyrightFileMissing", "packaging/copyright", "", "packaging/copyright is missing"}),
    [](const testing::TestParamInfo<BrokenTree>& i) { return std::string(i.param.name); });

// ---------------------------------------------------------------------------
// Every source file of ours names its licence near the top.

bool IsSourceFile(const fsys::path& p) {
  static const std::set<std::string> exts = {".cpp", ".h", ".hpp", ".c", ".S", ".py", ".sh", ".cmake", ".qrc"};
  if (p.filename() == "CMakeLists.txt") return true;
  fsys::path q = p;
  if (q.extension() == ".in") q = q.stem();  // templates such as embedded_archive.S.in
  if (exts.count(q.extension().string())) return true;
  // scripts without an extension (.ci/run)
  std::ifstream in(p, std::ios::binary);
  char head[2] = {0, 0};
  in.read(head, 2);
  return head[0] == '#' && head[1] == '!';
}

TEST(LicenceHeaders, EverySourceFileOfOursHasAnSpdxLine) {
  const fsys::path root = PARLAVINTO_SOURCE_DIR;
  std::vector<std::string> missing;
  int checked = 0;
  auto check = [&](const fsys::path& p) {
    if (!IsSourceFile(p)) return;
    ++checked;
    std::ifstream in(p, std::ios::binary);
    std::string head(600, '\0');
    in.read(head.data(), head.size());
    head.resize(in.gcount());
    if (head.find("SPDX-License-Identifier: GPL-3.0-or-later") == std::string::npos)
      missing.push_back(fsys::relative(p, root).generic_string());
  };
  for (const auto& top : fsys::directory_iterator(root)) {
    const std::string name = top.path().filename().string();
    // build folders, version control, the archive's content and generated output are not sources
    if (name.rfind("build", 0) == 0 || name == ".git" || name == "assets" || name == "content" || name == "out") continue;
    if (top.is_regular_file()) {
      check(top.path());
      continue;
    }
    if (!top.is_directory()) continue;
    for (auto it = fsys::recursive_directory_iterator(top.path()); it != fsys::recursive_directory_iterator(); ++it) {
      const std::string sub = it->path().filename().string();
      if (it->is_directory() && (sub == "out" || sub == "__pycache__" || sub.rfind("build", 0) == 0)) {
        it.disable_recursion_pending();
        continue;
      }
      if (it->is_regular_file()) check(it->path());
    }
  }
  EXPECT_GT(checked, 50);
  EXPECT_TRUE(missing.empty()) << Joined(missing);
}

}  // namespace
