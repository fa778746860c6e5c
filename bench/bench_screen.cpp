// SPDX-License-Identifier: GPL-3.0-or-later
// Frame time of the quiz canvas: the question screen and the announcement at
// 1024 x 768 and 1920 x 1080, each against one plain full-frame copy of the
// same size (the floor). The ratios are printed at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/questions.h"
#include "game/fake_canvas.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "platform/fs/fs.h"
#include "ui/mainwindow.h"

namespace {

std::map<std::string, double> g_zeiten;  // ns per frame by name

void Vorbereiten(testing_support::FakeCanvas& canvas, int w, int h) {
  static bool geladen = false;
  if (!geladen) {
    fs::RegisterEmbeddedArchive();
    SetzePfade();
    LadeSchriften();
    LadeBilder();
    geladen = true;
  }
  canvas.Surface().Resize(w, h);
  HauptCanvas = &canvas;
  SkalaX = w / 1024.0f;
  SkalaY = h / 768.0f;
  Skala = std::min(SkalaX, SkalaY);
  BildLinks = static_cast<int>(std::trunc(w - 200 * SkalaX - 270 * Skala));
  for (int i = 0; i < 5; ++i) {
    if (!Spieler[i]) Spieler[i] = std::make_shared<SpielerTyp>();
  }
  Spieler[0]->Name = u"Anna";
  Spieler[0]->Alter = 10;
  Spieler[0]->Punkte = 30;
  Spieler[1]->Name = u"Bernd";
  Spieler[1]->Alter = 12;
  Spieler[1]->Punkte = 50;
  SpielerAnzahl = 2;
  FragenZaehler = 1;
  AktuellesAlter = 12;
  auto q = QuizType::Create();
  q->Frage = u"Welches dieser Instrumente gehört zu den Holzblasinstrumenten, obwohl es meist aus Metall gebaut wird?";
  q->Bereich = u"Instrumente";
  q->Problem = 25;
  q->Loesung = 3;
  q->Antwort = {u"", u"Trompete", u"Posaune", u"Querflöte", u"Tuba", u"Horn"};
  q->Erklaerung = {u"", u"Die Trompete ist ein Blechblasinstrument.", u"", u"Die Querflöte zählt zu den Holzblasinstrumenten.", u"", u""};
  q->Bild = u"counter 7.png";
  AlleFragen[123] = q;
  FrageNr = 123;
  DieseFrage = q;
  FragenPunkte = FragenWert(q->Problem, AktuellesAlter);
  Abblenden = 0;
  Modus = 1;
}


void Frage(benchmark::State& state) {
  testing_support::FakeCanvas canvas(1, 1);
  Vorbereiten(canvas, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  Spielschritt = 6;
  AntwortStatus = {0, -1, 0, 0, -1, 0};
  for (auto _ : state) {
    NeuMalen = 1;
    MaleQuiz();
    benchmark::ClobberMemory();
  }
  HauptCanvas = nullptr;
}

void Ansage(benchmark::State& state) {
  testing_support::FakeCanvas canvas(1, 1);
  Vorbereiten(canvas, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  Spielschritt = 1;
  AnsageEnde = Jetzt() + 1000000;  // second half: number, difficulty, topic
  for (auto _ : state) {
    NeuMalen = 1;
    MaleQuiz();
    benchmark::ClobberMemory();
  }
  HauptCanvas = nullptr;
}

// The floor: copying one full frame of the same size.
void Kopie(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0)) * static_cast<size_t>(state.range(1));
  std::vector<uint32_t> quelle(n, 0xff804020u), ziel(n);
  for (auto _ : state) {
    std::copy(quelle.begin(), quelle.end(), ziel.begin());
    benchmark::DoNotOptimize(ziel.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(Kopie)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(Frage)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(Ansage)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// Collects the real time per iteration of every run for the ratio table.
class Sammler : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && r.iterations > 0)
        g_zeiten[r.benchmark_name()] = r.real_accumulated_time / static_cast<double>(r.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Sammler sammler;
  benchmark::RunSpecifiedBenchmarks(&sammler);
  std::printf("\nFrame time against one full-frame copy of the same size:\n");
  for (const char* groesse : {"1024/768", "1920/1080"}) {
    const auto boden = g_zeiten.find(std::string("Kopie/") + groesse);
    if (boden == g_zeiten.end() || boden->second <= 0) continue;
    for (const char* bild : {"Frage", "Ansage"}) {
      const auto t = g_zeiten.find(std::string(bild) + "/" + groesse);
      if (t == g_zeiten.end()) continue;
      std::printf("  %-7s %-9s %9.1f us  = %6.1f x copy (%.1f us)\n", bild, groesse, t->second * 1e6,
                  t->second / boden->second, boden->second * 1e6);
    }
  }
  benchmark::Shutdown();
  return 0;
}
