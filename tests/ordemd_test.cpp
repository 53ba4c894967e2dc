// The ascending sort with index: order, stability, the index of origins and the entries it leaves alone.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "rotinas_minhas.h"

namespace {

struct Caso {
  const char* nome;
  std::vector<float> valores;
  std::vector<float> ordenados;
  std::vector<int32_t> origens;
};

TEST(Ordemd, SortsAscendingAndRecordsWhereEachValueCameFrom) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Caso casos[] = {
      {"equal values keep their order", {3, 1, 3, 1}, {1, 1, 3, 3}, {2, 4, 1, 3}},
      {"reversed", {4, 3, 2, 1}, {1, 2, 3, 4}, {4, 3, 2, 1}},
      {"already ascending", {1, 2, 2, 5}, {1, 2, 2, 5}, {1, 2, 3, 4}},
      {"one value", {7.5f}, {7.5f}, {1}},
      // A NaN is never greater nor smaller: it stays put and each side is sorted on its own.
      {"not a number", {3, 1, nan, 2, 0}, {1, 3, nan, 0, 2}, {2, 1, 3, 5, 4}},
  };
  for (const Caso& c : casos) {
    Tabela<float, 100> V;
    Tabela<int32_t, 100> IPOINT;
    V.preenche(-9);
    IPOINT.preenche(-9);
    int32_t n = static_cast<int32_t>(c.valores.size());
    for (int i = 1; i <= n; ++i) V(i) = c.valores[i - 1];
    ORDEMD(n, V, IPOINT);
    for (int i = 1; i <= n; ++i) {
      if (std::isnan(c.ordenados[i - 1]))
        EXPECT_TRUE(std::isnan(V(i))) << c.nome << " " << i;
      else
        EXPECT_EQ(V(i), c.ordenados[i - 1]) << c.nome << " " << i;
      EXPECT_EQ(IPOINT(i), c.origens[i - 1]) << c.nome << " " << i;
    }
    EXPECT_EQ(V(n + 1), -9) << c.nome;
    EXPECT_EQ(IPOINT(n + 1), -9) << c.nome;
  }
}

TEST(Ordemd, CountOfZeroOrLessTouchesNothing) {
  for (int32_t n : {0, -3}) {
    Tabela<float, 100> V;
    Tabela<int32_t, 100> IPOINT;
    V(1) = 2;
    V(2) = 1;
    IPOINT.preenche(-9);
    ORDEMD(n, V, IPOINT);
    EXPECT_EQ(V(1), 2);
    EXPECT_EQ(IPOINT(1), -9);
  }
}

TEST(Ordemd, FullTableOfHundredValues) {
  Tabela<float, 100> V;
  Tabela<int32_t, 100> IPOINT;
  for (int i = 1; i <= 100; ++i) V(i) = static_cast<float>((i * 37) % 100);
  ORDEMD(100, V, IPOINT);
  for (int i = 1; i <= 100; ++i) {
    EXPECT_EQ(V(i), static_cast<float>(i - 1));
    EXPECT_EQ((IPOINT(i) * 37) % 100, i - 1);
  }
}

}  // namespace
