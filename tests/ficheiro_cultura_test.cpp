// The crop file: what the writer puts in each record and what the reader takes back.
#include "ficheiro_cultura.h"

#include <gtest/gtest.h>

#include "cp1252.h"
#include "cultura_exemplo.h"
#include "erro.h"
#include "pasta_temporaria.h"

namespace {

void iguais(const DadosCultura& a, const DadosCultura& b) {
  EXPECT_EQ(a.MMFASE(1), b.MMFASE(1));
  EXPECT_EQ(a.MMFASE(6), b.MMFASE(6));
  EXPECT_EQ(a.LAM0, b.LAM0);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(a.DDF(i), b.DDF(i)) << i;
    EXPECT_EQ(a.MMF(i), b.MMF(i)) << i;
    EXPECT_EQ(a.LAMF(i), b.LAMF(i)) << i;
  }
  EXPECT_EQ(a.NDREN, b.NDREN);
  for (int k = 1; k <= a.NDREN; ++k) {
    EXPECT_EQ(a.DDREN(k), b.DDREN(k));
    EXPECT_EQ(a.MDREN(k), b.MDREN(k));
    EXPECT_EQ(a.LAMDREN(k), b.LAMDREN(k));
    EXPECT_EQ(a.DIASDREN(k), b.DIASDREN(k));
  }
  EXPECT_EQ(a.TOL, b.TOL);
  EXPECT_EQ(a.INDK, b.INDK);
  EXPECT_EQ(a.KC.v, b.KC.v);
}

// The example file with one line changed, written as a hand-edited file may hold it.
std::string com(const std::string& linha, const std::string& nova) {
  ESCREVE_CULTURA("a_CUL.txt", exemplo());
  std::string f = le("a_CUL.txt");
  size_t i = f.find(linha + "\r\n");
  EXPECT_NE(i, std::string::npos) << linha;
  return f.replace(i, linha.size(), nova);
}

}  // namespace

TEST(FicheiroCultura, WrittenRecordsReadBack) {
  PastaTemporaria p;
  DadosCultura D = exemplo();
  ESCREVE_CULTURA("a_CUL.txt", D);
  EXPECT_EQ(le("a_CUL.txt"),
            "    6   A  B  C  D  E  F\r\n 15/ 5\r\n  5/ 6\r\n 20/ 6\r\n 10/ 7\r\n 10/ 8\r\n 15/ 9\r\n"
            "  LAMINA INICIAL, DATAS E LAMINAS POSTERIORES\r\n   0.100\r\n"
            " 15/ 5    0.050\r\n  4/ 6    0.100\r\n 24/ 6    0.150\r\n 24/ 7    0.150\r\n 13/ 8    0.100\r\n"
            " 10/ 9    0.000\r\nS\r\n 1\r\n 14/ 6\r\n   0.000     4\r\n 12.5\r\n 2\r\n"
            "  1.050   1.100   1.200   1.250   1.000\r\n");
  DadosCultura L;
  LE_CULTURA("a_CUL.txt", L);
  iguais(D, L);
}

TEST(FicheiroCultura, WriterCasesReadBack) {
  PastaTemporaria p;
  // A depth of 0.1234 is stored to the thousandth.
  DadosCultura D = exemplo();
  D.LAMF(3) = 0.1234f;
  ESCREVE_CULTURA("a_CUL.txt", D);
  EXPECT_NE(le("a_CUL.txt").find(" 24/ 6    0.123\r\n"), std::string::npos);
  DadosCultura L;
  LE_CULTURA("a_CUL.txt", L);
  EXPECT_EQ(L.LAMF(3), 0.123f);

  // "S" with no drainage: the answer, a count of 0, then the tolerance; constant coefficient last.
  D = exemplo();
  D.NDREN = 0;
  D.INDK = 1;
  ESCREVE_CULTURA("a_CUL.txt", D);
  EXPECT_NE(le("a_CUL.txt").find(" 10/ 9    0.000\r\nS\r\n 0\r\n 12.5\r\n 1\r\n"), std::string::npos);
  EXPECT_EQ(le("a_CUL.txt").substr(le("a_CUL.txt").size() - 4), " 1\r\n");
  L.KC(1) = 7;
  LE_CULTURA("a_CUL.txt", L);
  EXPECT_EQ(L.NDREN, 0);
  EXPECT_EQ(L.TOL, 12.5f);
  EXPECT_EQ(L.KC(1), 7) << "constant coefficient: the monthly ones are not read";

  // "n": no drainage block, whatever the drainage tables hold.
  D = exemplo();
  D.RESPDREN = 'n';
  ESCREVE_CULTURA("a_CUL.txt", D);
  EXPECT_NE(le("a_CUL.txt").find(" 0.000\r\nn\r\n 12.5\r\n"), std::string::npos);
  LE_CULTURA("a_CUL.txt", L);
  EXPECT_EQ(L.NDREN, 0);

  // The separator of the last date on every phase and drainage record; the reference rows keep "/".
  D = exemplo();
  D.SEP = '-';
  D.NDREN = 2;
  D.DDREN(2) = 20;
  D.MDREN(2) = 7;
  ESCREVE_CULTURA("a_CUL.txt", D);
  std::string f = le("a_CUL.txt");
  EXPECT_NE(f.find("\r\n 15- 5\r\n  5- 6\r\n 20- 6\r\n 10- 7\r\n 10- 8\r\n 15- 9\r\n"), std::string::npos);
  EXPECT_NE(f.find(" 15/ 5    0.050\r\n"), std::string::npos);
  EXPECT_NE(f.find("\r\n 14- 6\r\n   0.000     4\r\n 20- 7\r\n"), std::string::npos);
  LE_CULTURA("a_CUL.txt", L);
  iguais(D, L);
}

TEST(FicheiroCultura, ReaderTakesWhatAHandEditedFileHolds) {
  PastaTemporaria p;
  // Count anywhere in columns 1-6, skipped records with anything, LF line ends, free-form values with
  // commas, exponents and over several lines, only the first character of the drainage answer, a depth
  // without decimal point in columns 7-16, a short drainage row, coefficients over two lines.
  grava("m_CUL.txt",
          "     6 fases\n 01x04\nlixo\n\nlixo\nlixo\n 30.09\nqualquer coisa\n\n  1E-1, 9\n"
          " 15/05    0.05\n 04/06        10\n 24/06 .15\n 24/07 0.150\n 13/08 0.1\n 10/09\n"
          "Sim\n  2,\n 14/06\n   0.000     4\n  3  8\n  0.02\n 1.25D1\n 2 trailing\n 1.05,1.1\n 1.2 1.25 1.0 1.0\n");
  DadosCultura L;
  LE_CULTURA("m_CUL.txt", L);
  EXPECT_EQ(L.MMFASE(1), 4);
  EXPECT_EQ(L.MMFASE(6), 9);
  EXPECT_EQ(L.LAM0, 0.1f);
  EXPECT_EQ(L.LAMF(2), 0.010f);
  EXPECT_EQ(L.LAMF(3), 0.15f);
  EXPECT_EQ(L.LAMF(6), 0.0f);
  EXPECT_EQ(L.NDREN, 2);
  EXPECT_EQ(L.DDREN(2) * 100 + L.MDREN(2), 308);
  EXPECT_EQ(L.LAMDREN(2), 0.02f);
  EXPECT_EQ(L.DIASDREN(2), 0);
  EXPECT_EQ(L.TOL, 12.5f);
  EXPECT_EQ(L.INDK, 2);
  const float kc[6] = {1.05f, 1.1f, 1.2f, 1.25f, 1.0f, 1.0f};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(L.KC(k), kc[k - 1]) << k;
}

TEST(FicheiroCultura, FileThatEndsEarlyNamesTheFile) {
  PastaTemporaria p;
  grava("c_CUL.txt", "    6\n 15/05\n");
  DadosCultura L;
  try {
    LE_CULTURA("c_CUL.txt", L);
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(e.ficheiro, "c_CUL.txt");
  }
  EXPECT_THROW(LE_CULTURA("nenhum_CUL.txt", L), ErroFicheiro);
}

// Saved with the UTF-8 mark and CR CR LF line ends, the file reads as written.
TEST(FicheiroCultura, TheUtf8MarkAndCrCrLfLineEndsChangeNothing) {
  PastaTemporaria p;
  ESCREVE_CULTURA("a_CUL.txt", exemplo());
  std::string f = "\xEF\xBB\xBF";
  for (char c : le("a_CUL.txt")) f += c == '\n' ? "\r\n" : std::string(1, c);
  grava("u_CUL.txt", f);
  DadosCultura L;
  LE_CULTURA("u_CUL.txt", L);
  iguais(exemplo(), L);
}

TEST(FicheiroCultura, CoefficientsSeparatedByCommasReadAsWithBlanks) {
  const std::string kc = "  1.050   1.100   1.200   1.250   1.000";
  for (const char* nova : {" 1.05,1.10,1.20,1.25,1.00,1.10", " 1.05,1.10,1.20\r\n1.25 1.00 1.10"}) {
    PastaTemporaria p;
    grava("v_CUL.txt", com(kc, nova));
    DadosCultura L;
    LE_CULTURA("v_CUL.txt", L);
    iguais(exemplo(), L);
  }
}

// Refusals name the line: decimal commas, values the calculation cannot use, a file that ends early, and
// a CR that ends no line, also in a record that the reader skips.
TEST(FicheiroCultura, DecimalCommasAndOtherRefusalsNameTheLine) {
  const struct {
    std::string linha, nova, mensagem;
  } casos[] = {
      {"  1.050   1.100   1.200   1.250   1.000", "  1,050   1,100   1,200   1,250   1,000",
       "linha 22: \"1,050\" tem vírgula decimal: use o ponto"},
      {" 24/ 6    0.150", " 24/ 6    0,150", "linha 12: \"0,150\" tem vírgula decimal: use o ponto"},
      {"   0.000     4", "   0,000     4", "linha 19: \"0,000\" tem vírgula decimal: use o ponto"},
      {" 12.5", " 12,5", "linha 20: \"12,5\" tem vírgula decimal: use o ponto"},
      {"S\r\n 1", "S\r\n 1,0", "linha 17: esperava um número inteiro e encontrou \"1,0\""},
      {"    6   A  B  C  D  E  F", "    5   A  B  C  D  E  F",
       "linha 1: o número de datas de referência é 5 e devia ser 6"},
      {" 24/ 6    0.150", " 24/13    0.150", "linha 12: mês 13 fora de 1 a 12 na data de referência 3"},
      {" 14/ 6", " 14/ 0", "linha 18: mês 0 fora de 1 a 12 na data da drenagem 1"},
      {"S\r\n 1", "S\r\n 10",
       "linha 17: número de drenagens 10 fora de 0 a 9 (o calendário de lâminas tem 25 entradas)"},
      {" 12.5\r\n 2", " 12.5\r\n 3", "linha 21: opção de coeficientes culturais 3 (devia ser 1 ou 2)"},
      {"  1.050   1.100   1.200   1.250   1.000", "", "linha 22: esperava um número e encontrou o fim do ficheiro"},
      {" 20/ 6", " 20/\r 6", "linha 4: a linha acaba só em CR (grave o ficheiro com CR LF ou LF)"},
      {"  LAMINA INICIAL, DATAS E LAMINAS POSTERIORES", "  LAMINA INICIAL,\rDATAS E LAMINAS POSTERIORES",
       "linha 8: a linha acaba só em CR (grave o ficheiro com CR LF ou LF)"},
  };
  for (const auto& c : casos) {
    PastaTemporaria p;
    grava("v_CUL.txt", com(c.linha, c.nova));
    DadosCultura L;
    try {
      LE_CULTURA("v_CUL.txt", L);
      ADD_FAILURE() << c.nova;
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(para_utf8(e.mensagem()), "Erro no ficheiro v_CUL.txt, " + c.mensagem);
    }
  }
}
