// SPDX-License-Identifier: GPL-3.0-or-later
// Saving one question into a 50 MB user file, against copying that file (read,
// write, sync, rename: the least any whole-file save must do), measured in
// the same run. Also the old way, one whole-file write per key, once.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "app/startup.h"
#include "catalogue/questions.h"
#include "ini/ini.h"
#include "platform/fs/fs.h"
#include "platform/text.h"

namespace {

using Clock = std::chrono::steady_clock;

double Sekunden(const std::function<void()>& f) {
  auto t0 = Clock::now();
  f();
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

double Median(const std::function<void()>& f, int laeufe) {
  std::vector<double> t;
  for (int i = 0; i < laeufe; ++i) t.push_back(Sekunden(f));
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

std::string GrosseDatei(size_t groesse) {
  std::string s;
  s.reserve(groesse + 4096);
  for (int n = 1; s.size() < groesse; ++n) {
    // 1..99 are the user's questions; the rest are sections the reader never asks for
    s += "[Quiz " + std::to_string(n == 50 ? 50 : n < 50 ? n : n + 1000) + "]\r\nFrage=Welcher Komponist schrieb die Oper Nummer " +
         std::to_string(n) + "?\r\nMusical=\r\nBild=\r\nBild2=\r\nAudio=\r\nBereich=Oper und B\xFChne\r\nProblem=40\r\nL\xF6sung=2\r\n";
    for (int k = 1; k <= 5; ++k)
      s += "Antwort " + std::to_string(k) + "=Antwort " + std::to_string(k) + "\r\nErkl\xE4rung " + std::to_string(k) +
           "=Eine Erkl\xE4rung, die als Tipp dient.\r\n";
  }
  return s;
}

}  // namespace

int main() {
  const std::string box = std::filesystem::temp_directory_path().string() + "/parlavinto-bench-save";
  std::filesystem::remove_all(box);
  std::filesystem::create_directories(box + "/Brelquisto/Parlavinto");
  setenv("XDG_DATA_HOME", box.c_str(), 1);
  SetzePfade();
  const std::string datei = box + "/Brelquisto/Parlavinto/Fragen 0.dat";
  const std::string inhalt = GrosseDatei(50u << 20);
  std::ofstream(datei, std::ios::binary) << inhalt;

  QuizPtr q = QuizType::Create();
  q->Frage = u"Wer schrieb die Zauberfl\u00F6te?";
  q->Bereich = u"Oper und B\u00FChne";
  q->Problem = 30;
  q->Loesung = 1;
  q->Antwort[1] = u"Mozart";
  q->Antwort[2] = u"Haydn";
  AlleFragen[999] = q;

  const double kopie = Median(
      [&] {
        auto b = fs::ReadAll(text::FromUtf8(datei));
        if (!b || !fs::WriteAllAtomic(text::FromUtf8(box + "/kopie.dat"), *b)) std::abort();
      },
      5);
  const double bestehend = Median([&] { if (SpeichereQuiz(999, 50) != 0) std::abort(); }, 5);
  std::ofstream(datei, std::ios::binary) << inhalt;
  const double angehaengt = Sekunden([&] { if (SpeichereQuiz(999, 98) != 0) std::abort(); });

  // the old way: every key its own read and write of the whole file
  std::ofstream(datei, std::ios::binary) << inhalt;
  const double einzeln = Sekunden([&] {
    const u16 d = text::FromUtf8(datei), s = u"Quiz 50";
    for (const char16_t* k : {u"Frage", u"Musical", u"Bild", u"Bild2", u"Audio", u"Bereich", u"Problem", u"L\u00F6sung"})
      Ini::Schreiben(s, k, u"x", d);
    for (int i = 1; i <= 5; ++i) {
      Ini::Schreiben(s, u"Antwort " + text::Num(i), u"x", d);
      Ini::Schreiben(s, u"Erkl\u00E4rung " + text::Num(i), u"x", d);
    }
  });

  std::printf("user file: %.1f MB\n", inhalt.size() / 1048576.0);
  std::printf("%-44s %8.3f s  ratio 1.00 (baseline)\n", "copy the file (read, write, sync, rename)", kopie);
  std::printf("%-44s %8.3f s  ratio %.2f\n", "save an existing question (one write)", bestehend, bestehend / kopie);
  std::printf("%-44s %8.3f s  ratio %.2f\n", "save a new question (one write)", angehaengt, angehaengt / kopie);
  std::printf("%-44s %8.3f s  ratio %.2f\n", "18 single-key writes (the old way)", einzeln, einzeln / kopie);
  std::filesystem::remove_all(box);
  return 0;
}
