// Series files: headers, the common period, the search for a year's block, and CONVERT_PRE.
#include "series.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "convert_pre.h"
#include "cp1252.h"
#include "pasta_temporaria.h"

namespace {

// Twelve values of a line: base, base + 1, ..., base + 11.
std::string valores(int base) {
  std::string l;
  for (int m = 0; m < 12; ++m) l += " " + std::to_string(base + m) + ".5";
  return l + "\n";
}

std::string mensal(int anos, int inicio) {
  std::string f = "1\n" + std::to_string(anos) + "\n" + std::to_string(inicio) + "\n";
  for (int a = 0; a < anos; ++a) f += valores(100 * (a + 1));
  return f;
}

std::string decendial(int anos, int inicio) {
  std::string f = "3\n" + std::to_string(anos) + "\n";
  for (int a = 0; a < anos; ++a) {
    f += std::to_string(inicio + a) + "\n";
    for (int d = 1; d <= 3; ++d) f += valores(100 * (a + 1) + 20 * d);
  }
  return f;
}

TEST(Series, HeadersAndCommonPeriod) {
  const struct {
    std::string et0, pre;
    int tipo_et0, tipo_pre, ano1, ano2;
  } casos[] = {
      {decendial(20, 1990), mensal(21, 1995), 3, 1, 1995, 2009},
      {mensal(11, 1990), mensal(11, 2000), 1, 1, 2000, 2000},
      {"3 decades\n2   anos\n1998\n", "1,\n1\n1999 x\n", 3, 1, 1999, 1999},  // text after the value ignored
      {"3 2 1998\n1\n2005\n", "1\n1\n2005\n", 3, 1, 2005, 2005},         // a header on one line: type only
      // The largest years that fit: every year from 1, and two years ending on the largest.
      {"3\n2147483647\n1\n", "1\n2\n2147483646\n", 3, 1, 2147483646, 2147483647},
  };
  for (const auto& c : casos) {
    PastaTemporaria p;
    grava("e_ET0.txt", c.et0);
    grava("p_pre.txt", c.pre);
    SERIE ET0("e_ET0.txt"), PRE("p_pre.txt");
    LE_CABECALHO(ET0);
    LE_CABECALHO(PRE);
    EXPECT_EQ(ET0.ITIPO, c.tipo_et0);
    EXPECT_EQ(PRE.ITIPO, c.tipo_pre);
    int32_t IANO1 = 0, IANO2 = 0;
    PERIODO_COMUM(ET0, PRE, IANO1, IANO2);
    EXPECT_EQ(IANO1, c.ano1) << c.et0.substr(0, 12);
    EXPECT_EQ(IANO2, c.ano2);
    std::string r;
    int n = 0;
    ASSERT_TRUE(ET0.F.proximo(r, n));
    EXPECT_EQ(n, 3);  // moved back to line 3 for the year-by-year reading
  }
}

TEST(Series, RefusedHeadersAndSeriesWithoutACommonYear) {
  const struct {
    std::string et0, mensagem;
  } casos[] = {
      {"2\n5\n1990\n", "Erro no ficheiro e_ET0.txt, linha 1: tipo de série 2 (tem de ser 1, mensal, ou 3, por decêndio)"},
      {"1\n0\n1990\n", "Erro no ficheiro e_ET0.txt, linha 2: o número de anos da série é 0 e tem de ser pelo menos 1"},
      {"1\nx\n1990\n", "Erro no ficheiro e_ET0.txt, linha 2: esperava um número inteiro e encontrou \"x\""},
      {mensal(5, 1990), "Erro: as séries e_ET0.txt e p_pre.txt não têm nenhum ano em comum"},
      {"1\n2147483647\n1990\n", "Erro no ficheiro e_ET0.txt, linha 3: o último ano da série passa de 2147483647"},
      {"3\n2\n\n2147483647\n", "Erro no ficheiro e_ET0.txt, linha 4: o último ano da série passa de 2147483647"},
  };
  for (const auto& c : casos) {
    PastaTemporaria p;
    grava("e_ET0.txt", c.et0);
    grava("p_pre.txt", mensal(5, 2000));
    try {
      SERIE ET0("e_ET0.txt"), PRE("p_pre.txt");
      LE_CABECALHO(ET0);
      LE_CABECALHO(PRE);
      int32_t IANO1, IANO2;
      PERIODO_COMUM(ET0, PRE, IANO1, IANO2);
      ADD_FAILURE() << c.mensagem;
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(para_utf8(e.mensagem()), c.mensagem);
    }
  }
}

// Reads the years in turn from a series whose header has been read; the line last taken after each.
std::vector<int> le_anos(SERIE& S, const std::vector<int>& anos, Tabela2<float, 3, 12>& T) {
  std::vector<int> linhas;
  for (int ano : anos) {
    int32_t ANOL = 0;
    LE_ANO(S, ano, T, ANOL);
    EXPECT_EQ(ANOL, ano);
    linhas.push_back(S.F.linha());
  }
  return linhas;
}

TEST(Series, MonthlyYearsAreCountedFromTheFirstYear) {
  PastaTemporaria p;
  grava("m_pre.txt", mensal(3, 2001) + valores(900));
  SERIE S("m_pre.txt");
  LE_CABECALHO(S);
  Tabela2<float, 3, 12> T;
  // Starting at the third year: line 3 again, two lines passed over, the third read; then the next line.
  EXPECT_EQ(le_anos(S, {2003, 2004}, T), (std::vector<int>{6, 7}));
  EXPECT_EQ(S.CONTADOR, 4);
  EXPECT_EQ(T(1, 1), 900.5f);
  EXPECT_EQ(T(1, 12), 911.5f);
  EXPECT_EQ(T(2, 1), 0.0f);
  REPETE_DECADAS(T);
  EXPECT_EQ(T(2, 7), 906.5f);
  EXPECT_EQ(T(3, 7), 906.5f);
}

TEST(Series, DecadeYearsAreFoundByTheirYearLines) {
  PastaTemporaria p;
  grava("d_ET0.txt", decendial(4, 1998));
  SERIE S("d_ET0.txt");
  LE_CABECALHO(S);
  Tabela2<float, 3, 12> T;
  EXPECT_EQ(le_anos(S, {2000, 2001}, T), (std::vector<int>{14, 18}));
  EXPECT_EQ(T(1, 1), 420.5f);
  EXPECT_EQ(T(3, 12), 471.5f);
  EXPECT_EQ(S.CONTADOR, 0);
}

TEST(Series, MissingYearsAndUnreadableValuesNameTheLineAndTheYear) {
  const struct {
    std::string ficheiro;
    int ano;
    std::string mensagem;
  } casos[] = {
      {decendial(2, 1998), 2005, "Erro no ficheiro s_pre.txt, linha 10: o ficheiro acaba antes dos valores do ano 2005"},
      {mensal(3, 2001), 2010, "Erro no ficheiro s_pre.txt, linha 6: o ficheiro acaba antes dos valores do ano 2010"},
      {"1\n2\n2001\n" + valores(1) + "1 2 3 4 5 6 7 8 9 10 11 x\n", 2002,
       "Erro no ficheiro s_pre.txt, linha 5: esperava um número e encontrou \"x\" (ano 2002)"},
      {"3\n2\n1998\n" + valores(1) + valores(1) + valores(1) + "1999\n1 2\n", 1999,
       "Erro no ficheiro s_pre.txt, linha 8: o ficheiro acaba antes dos valores do ano 1999"},
      {"1\n2\n2001\n" + valores(1) + "1,00 1,50 2,50 3,30 4,60 5,30 5,90 6,10 4,80 3,00 2,00 1,20\n", 2002,
       "Erro no ficheiro s_pre.txt, linha 5: \"1,00\" tem vírgula decimal: use o ponto (ano 2002)"},
  };
  for (const auto& c : casos) {
    PastaTemporaria p;
    grava("s_pre.txt", c.ficheiro);
    SERIE S("s_pre.txt");
    LE_CABECALHO(S);
    Tabela2<float, 3, 12> T;
    int32_t ANOL;
    try {
      LE_ANO(S, c.ano, T, ANOL);
      ADD_FAILURE() << c.mensagem;
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(para_utf8(e.mensagem()), c.mensagem);
    }
  }
}

// The series with each line of twelve values written "1.5,2.5,...,12.5,TOTAL": separated by commas, the
// yearly total after the months.
std::string com_total(const std::string& serie) {
  std::istringstream linhas(serie);
  std::string l, r;
  while (std::getline(linhas, l)) {
    std::istringstream palavras(l);
    std::vector<std::string> v{std::istream_iterator<std::string>(palavras), {}};
    if (v.size() == 12) {
      float total = 0;
      l.clear();
      for (const std::string& x : v) {
        l += x + ",";
        total += std::stof(x);
      }
      l += std::to_string(total);
    }
    r += l + "\n";
  }
  return r;
}

TEST(Series, ValuesSeparatedByCommasWithAYearlyTotalReadAsWithBlanks) {
  for (const std::string& serie : {mensal(3, 2001), decendial(3, 2001)}) {
    PastaTemporaria p;
    grava("b_pre.txt", serie);
    grava("v_pre.txt", com_total(serie));
    ASSERT_NE(le("v_pre.txt").find(".5,"), std::string::npos);
    SERIE B("b_pre.txt"), V("v_pre.txt");
    LE_CABECALHO(B);
    LE_CABECALHO(V);
    Tabela2<float, 3, 12> TB, TV;
    EXPECT_EQ(le_anos(V, {2002, 2003}, TV), le_anos(B, {2002, 2003}, TB));
    EXPECT_EQ(TV.v, TB.v);
  }
}

// Each line end of the series replaced by fim.
std::string com_fins(const std::string& serie, const std::string& fim) {
  std::string r;
  for (char c : serie) r += c == '\n' ? fim : std::string(1, c);
  return r;
}

// A series saved with the UTF-8 mark, or with CR LF or CR CR LF line ends, reads as the plain one: the same
// values, from the same lines.
TEST(Series, TheUtf8MarkAndCrsBeforeLfChangeNothing) {
  for (const std::string& serie : {mensal(3, 2001), decendial(3, 2001)}) {
    for (const std::string& outra :
         {"\xEF\xBB\xBF" + serie, com_fins(serie, "\r\n"), "\xEF\xBB\xBF" + com_fins(serie, "\r\r\n")}) {
      PastaTemporaria p;
      grava("b_pre.txt", serie);
      grava("o_pre.txt", outra);
      SERIE B("b_pre.txt"), O("o_pre.txt");
      LE_CABECALHO(B);
      LE_CABECALHO(O);
      EXPECT_EQ(O.ITIPO, B.ITIPO);
      EXPECT_EQ(O.IANOI, 2001);
      Tabela2<float, 3, 12> TB, TO;
      EXPECT_EQ(le_anos(O, {2002, 2003}, TO), le_anos(B, {2002, 2003}, TB));
      EXPECT_EQ(TO.v, TB.v);
    }
  }
}

TEST(ConvertPre, TotalsBecomeMeanDailyValues) {
  const struct {
    int tipo, linha, ano, mes;
    float total, diario;
  } casos[] = {
      {1, 1, 2001, 1, 31, 1.0f},  {1, 1, 2000, 2, 58, 2.0f},  {1, 1, 2001, 2, 56, 2.0f},
      {1, 1, 1900, 2, 58, 2.0f},  {1, 1, 2001, 4, 60, 2.0f},  {3, 1, 2001, 2, 20, 2.0f},
      {3, 2, 2001, 2, 30, 3.0f},  {3, 3, 2001, 2, 16, 2.0f},  {3, 3, 2004, 2, 18, 2.0f},
      {3, 3, 2001, 1, 22, 2.0f},  {3, 3, 2001, 4, 22, 2.2f},  {3, 3, 2001, 12, 33, 3.0f},
  };
  for (const auto& c : casos) {
    Tabela2<float, 3, 12> PRE;
    PRE.preenche(7.0f);
    PRE(c.linha, c.mes) = c.total;
    CONVERT_PRE(PRE, c.linha, c.ano, c.tipo);
    EXPECT_FLOAT_EQ(PRE(c.linha, c.mes), c.diario) << c.tipo << " " << c.linha << " " << c.ano << " " << c.mes;
    for (int outra = 1; outra <= 3; ++outra) {
      if (outra == c.linha) continue;
      EXPECT_EQ(PRE(outra, c.mes), 7.0f);  // the other rows are left alone
    }
  }
}

}  // namespace
