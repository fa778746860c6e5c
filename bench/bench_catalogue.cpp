// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up load of the whole question table: the shipped archive as it is, and
// nine full shipped files plus a full user file made for the benchmark.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "catalogue/fragencodec.h"
#include "catalogue/questions.h"
#include "platform/fs/fs.h"
#include "platform/text.h"

namespace {

void LoadShippedArchive(benchmark::State& state) {
  fs::RegisterEmbeddedArchive();
  std::string box = std::filesystem::temp_directory_path().string() + "/parlavinto-bench";
  std::filesystem::create_directories(box);
  setenv("XDG_DATA_HOME", box.c_str(), 1);
  SetzePfade();
  for (auto _ : state) {
    VergissDateiCache();
    LadeAlleFragen();
    SammleThemen();
    benchmark::DoNotOptimize(AlleFragen[100]->Frage.size());
  }
}
BENCHMARK(LoadShippedArchive)->Unit(benchmark::kMillisecond);

void LoadFullCatalogue(benchmark::State& state) {
  std::string box = std::filesystem::temp_directory_path().string() + "/parlavinto-bench-full";
  std::filesystem::create_directories(box + "/sonst");
  std::filesystem::create_directories(box + "/Brelquisto/Parlavinto");
  setenv("XDG_DATA_HOME", box.c_str(), 1);
  SetzePfade();
  SonstPfad = text::FromUtf8(box + "/sonst/");
  auto source = [](int from, int to) {
    std::string s;
    for (int n = from; n <= to; ++n) {
      s += "[Quiz " + std::to_string(n) + "]\nFrage=Welcher Komponist schrieb die Oper Nummer " + std::to_string(n) +
           " mit einem recht langen Fragetext?\nProblem=40\nBereich=Oper und Bühne\nLösung=2\n";
      for (int k = 1; k <= 5; ++k)
        s += "Antwort " + std::to_string(k) + "=Antwort Nummer " + std::to_string(k) + "\nErklärung " +
             std::to_string(k) + "=Eine Erklärung, die als Tipp oder als Auflösung dient, Nummer " + std::to_string(k) + ".\n";
    }
    return s;
  };
  for (int f = 1; f <= 9; ++f) {
    std::vector<std::string> fehler;
    std::ofstream(box + "/sonst/Fragen " + std::to_string(f) + ".dat", std::ios::binary)
        << fragen::BaueDatei(fragen::LeseQuelle(source(f * 100, f * 100 + 99 - (f == 9))), fehler);
  }
  {
    std::vector<std::string> fehler;
    std::ofstream(box + "/Brelquisto/Parlavinto/Fragen 0.dat", std::ios::binary)
        << fragen::BaueDatei(fragen::LeseQuelle(source(1, 99)), fehler);
  }
  for (auto _ : state) {
    VergissDateiCache();
    LadeAlleFragen();
    SammleThemen();
    benchmark::DoNotOptimize(AlleFragen[500]->Frage.size());
  }
  std::filesystem::remove_all(box);
}
BENCHMARK(LoadFullCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
