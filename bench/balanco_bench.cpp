// One year's daily balance of a block of 50 sub-areas over a season of 150 days: the inputs are built once,
// the crop schedule read back from a crop file as a run reads it, and only BALANCO is timed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "balanco.h"
#include "ficheiro_cultura.h"
#include "lamina1.h"
#include "lercult.h"

namespace {

// Sowing 25/04 (season day 1 on 20/04), end of irrigation 16/09: a season of 150 days; one drainage of 4
// days, monthly coefficients from April to September.
DadosCultura cultura() {
  DadosCultura D;
  const int32_t fases[6][2] = {{25, 4}, {15, 5}, {10, 6}, {10, 7}, {15, 8}, {30, 9}};
  const int32_t refs[6][2] = {{25, 4}, {20, 5}, {10, 6}, {15, 7}, {20, 8}, {16, 9}};
  const float lam[6] = {0.05f, 0.10f, 0.15f, 0.15f, 0.10f, 0.0f};
  for (int i = 1; i <= 6; ++i) {
    D.DDFASE(i) = fases[i - 1][0];
    D.MMFASE(i) = fases[i - 1][1];
    D.DDF(i) = refs[i - 1][0];
    D.MMF(i) = refs[i - 1][1];
    D.LAMF(i) = lam[i - 1];
  }
  D.LAM0 = 0.10f;
  D.RESPDREN = 'S';
  D.NDREN = 1;
  D.DDREN(1) = 5;
  D.MDREN(1) = 6;
  D.LAMDREN(1) = 0;
  D.DIASDREN(1) = 4;
  D.TOL = 20;
  D.INDK = 2;
  const float kc[6] = {1.0f, 1.05f, 1.1f, 1.2f, 1.15f, 0.95f};
  for (int k = 1; k <= 6; ++k) D.KC(k) = kc[k - 1];
  return D;
}

// The schedule of year ANO from the crop file written and read in a folder of its own.
CalendarioLaminas calendario(int32_t ANO) {
  char modelo[] = "/tmp/paludex_bench_XXXXXX";
  const std::string pasta = mkdtemp(modelo);
  char buf[4096];
  const std::string antes = getcwd(buf, sizeof buf);
  CalendarioLaminas C;
  if (chdir(pasta.c_str()) == 0) {
    ESCREVE_CULTURA("bench_CUL.txt", cultura());
    LERCULT("bench", ANO, C);
  }
  if (chdir(antes.c_str()) != 0 || std::system(("rm -rf '" + pasta + "'").c_str()) != 0) std::abort();
  return C;
}

// The soil of examples/exemplo_FRT.txt.
DadosSolo solo() {
  DadosSolo S;
  S.KV = 0.001f;
  S.KX = 0.05f;
  S.POROS = 45;
  S.U = 150;
  S.LZC = 0.3f;
  S.LLAV1 = 0.2f;
  S.LA = 0.5f;
  S.COMPV = 100;
  S.COTAV = 0.5f;
  S.HVAL = 0.1f;
  S.TF = 1.5f;
  return S;
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
  const CalendarioLaminas C = calendario(ANO);
  ParametrosAlagamento P;
  P.ALEF = '1';
  P.ND = 50;
  P.NCANT = P.NDFIM = 5;
  auto LAMP = std::make_unique<TabelaLaminas>();
  TABELA_LAMP(C, P.ND, *LAMP);
  TabelaDecadas ETP, PRE;
  tempo(ETP, PRE);
  const DadosSolo S = solo();
  Tabela2<float, 12, 3> KCD;
  auto B = std::make_unique<BalancoAno>();
  for (auto _ : state) {
    BALANCO(ANO, C, P, *LAMP, ETP, PRE, S, 50, 0.1f, KCD, *B);
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
