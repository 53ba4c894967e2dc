// One year's daily balance of a block of 50 sub-areas over a season of 150 days: the inputs are built once,
// the crop schedule and the soil read back from their files as a run reads them; only BALANCO is timed.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "balanco.h"
#include "../tests/cultura_exemplo.h"
#include "ficheiro_solo.h"
#include "lamina1.h"
#include "lercult.h"

namespace {

// The crop of the worked schedule with its sowing brought forward to 19/04 (season day 1 on 14/04, end of
// irrigation on 10/09: a season of 150 days) and a coefficient for April.
DadosCultura cultura() {
  DadosCultura D = exemplo();
  D.DDFASE(1) = D.DDF(1) = 19;
  D.MMFASE(1) = D.MMF(1) = 4;
  const float kc[6] = {1.0f, 1.05f, 1.1f, 1.2f, 1.25f, 1.0f};
  for (int k = 1; k <= 6; ++k) D.KC(k) = kc[k - 1];
  return D;
}

// The schedule of year ANO from that crop file and the soil of examples/exemplo_FRT.txt, both read as a
// run reads them, in a folder of their own.
void dados(int32_t ANO, CalendarioLaminas& C, DadosSolo& S) {
  const std::filesystem::path exemplos = std::filesystem::path(__FILE__).parent_path() / ".." / "examples";
  char modelo[] = "/tmp/paludex_bench_XXXXXX";
  const std::filesystem::path pasta = mkdtemp(modelo);
  const std::filesystem::path antes = std::filesystem::current_path();
  std::filesystem::copy_file(exemplos / "exemplo_FRT.txt", pasta / "bench_FRT.txt");
  std::filesystem::current_path(pasta);
  ESCREVE_CULTURA("bench_CUL.txt", cultura());
  LERCULT("bench", ANO, C);
  LE_SOLO("bench", S);
  std::filesystem::current_path(antes);
  std::filesystem::remove_all(pasta);
}

// A Mediterranean year by decade, mm/day: ETo rising to July, rain in spring and autumn only.
void tempo(TabelaDecadas& ETP, TabelaDecadas& PRE) {
  const float eto[12] = {1.0f, 1.5f, 2.5f, 3.3f, 4.5f, 5.3f, 5.9f, 6.1f, 4.8f, 3.0f, 2.1f, 1.3f};
  const float chuva[12] = {2.5f, 2.0f, 1.5f, 1.8f, 1.2f, 0.3f, 0, 0.1f, 0.8f, 2.0f, 2.6f, 2.8f};
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 3; ++d) {
      ETP(d, m) = eto[m - 1] + 0.1f * (d - 2);
      PRE(d, m) = d == 2 ? 0 : chuva[m - 1] * 1.5f;
    }
}

void BM_BalancoAno(benchmark::State& state) {
  const int32_t ANO = 2001;
  CalendarioLaminas C;
  DadosSolo S;
  dados(ANO, C, S);
  ParametrosAlagamento P;
  P.ALEF = '1';
  P.ND = 50;
  P.NCANT = P.NDFIM = 5;
  auto LAMP = std::make_unique<TabelaLaminas>();
  TABELA_LAMP(C, P.ND, *LAMP);
  TabelaDecadas ETP, PRE;
  tempo(ETP, PRE);
  Tabela2<float, 12, 3> KCD;
  auto B = std::make_unique<BalancoAno>();
  for (auto _ : state) {
    BALANCO("bench_CUL.txt", ANO, C, P, *LAMP, ETP, PRE, S, 50, 0.1f, KCD, *B);
    benchmark::DoNotOptimize(B->NDEC);
    benchmark::ClobberMemory();
  }
  state.counters["NCICLO"] = C.NCICLO;
  state.counters["ND"] = P.ND;
  // The year's net need on the nominal block (mm), to see that the inputs make a plausible season.
  float total = 0;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 3; ++d) total += B->NDEC(d, m);
  state.counters["mm"] = total;
}
BENCHMARK(BM_BalancoAno)->Unit(benchmark::kMicrosecond);

}  // namespace
