// The soil file: the layout its writer gives, what its reader accepts, and the files the reader refuses.
#include "ficheiro_solo.h"

#include <gtest/gtest.h>

#include "cp1252.h"
#include "erro.h"
#include "pasta_temporaria.h"
#include "texto.h"

namespace {

// KV, KX, POROS, U, LZC, LLAV1, LA, COMPV, COTAV, HVAL, TF.
const DadosSolo EXEMPLO = {0.1f, 0.5f, 45, 150, 0.3f, 0.2f, 0.5f, 200, 1, 0.3f, 1.5f};

void iguais(const DadosSolo& a, const DadosSolo& b) {
  for (int I = 1; I <= 11; ++I) EXPECT_EQ(a.*CAMPOS_SOLO(I).valor, b.*CAMPOS_SOLO(I).valor) << "value " << I;
}

const char* const LINHAS_EXEMPLO =
    "  0.10000   0.50000\r\n"
    " 45.0  150.0  0.300\r\n"
    "\r\n"
    " 0.200\r\n"
    " 0.500  200.0  1.000\r\n"
    " 0.300  1.500\r\n";

TEST(FicheiroSolo, ExampleIsWrittenInItsColumnsOverAnOldFileAndReadsBack) {
  PastaTemporaria pasta;
  grava("abc_FRT.txt", "um ficheiro antigo\nmais longo\n\n\n\n\n\n\n");
  ESCREVE_SOLO(fixo("abc", 50), EXEMPLO);
  EXPECT_EQ(le("abc_FRT.txt"), LINHAS_EXEMPLO);
  DadosSolo lido;
  LE_SOLO("abc", lido);
  iguais(lido, EXEMPLO);
}

TEST(FicheiroSolo, ReaderTakesFreeFormRecordsAndPassesOverRecord3) {
  PastaTemporaria pasta;
  grava("m_FRT.txt", "0.1,0.5\n  45 , 150,0.3   resto\nTEXTO 1 2 3\n.2\n\t0.5 2E2 1\n 0.3  1.5D0\nnada disto\n");
  DadosSolo lido;
  LE_SOLO("m", lido);
  iguais(lido, EXEMPLO);
  // After the UTF-8 mark, and with CR CR LF line ends and CRs that end the file.
  grava("u_FRT.txt", "\xEF\xBB\xBF" "0.1,0.5\r\r\n45 150 0.3\r\r\n\r\r\n.2\r\r\n0.5 200 1\r\r\n0.3 1.5\r\r");
  DadosSolo u;
  LE_SOLO("u", u);
  iguais(u, EXEMPLO);
  // A value after the one a record holds, separated by a comma.
  std::string virgulas = LINHAS_EXEMPLO;
  grava("v_FRT.txt", virgulas.replace(virgulas.find(" 0.200\r\n"), 6, " 0.200,1"));
  DadosSolo v;
  LE_SOLO("v", v);
  iguais(v, EXEMPLO);
}

TEST(FicheiroSolo, ValuesAreKeptRoundedToTheirFieldAndTooWideOnesDoNotFit) {
  struct Caso {
    int I;
    float valor;
    bool cabe;
    float guardado;
  } casos[] = {
      {1, 0.000004f, true, 0},   {3, 45.27f, true, 45.3f},   {3, 99.94f, true, 99.9f}, {3, 99.96f, false, 0},
      {4, 1000, false, 0},       {4, 999.94f, true, 999.9f}, {1, 100, false, 0},       {2, -0.5f, true, -0.5f},
      {3, -9.9f, true, -9.9f},   {7, 9.9994f, true, 9.999f}, {7, 9.9996f, false, 0},   {10, -0.5f, false, 0},
      {8, -99.9f, true, -99.9f}, {6, 0.0004f, true, 0},
  };
  for (const Caso& c : casos) {
    float guardado = -1;
    EXPECT_EQ(GUARDADO(c.I, c.valor, guardado), c.cabe) << c.I << " " << c.valor;
    if (c.cabe) {
      EXPECT_EQ(guardado, c.guardado) << c.I << " " << c.valor;
    }
  }
  PastaTemporaria pasta;
  DadosSolo S = EXEMPLO;
  S.KV = 0.000004f;
  S.POROS = 45.27f;
  ESCREVE_SOLO("r", S);
  EXPECT_EQ(le("r_FRT.txt").substr(0, 27), "  0.00000   0.50000\r\n 45.3 ");
  DadosSolo lido;
  LE_SOLO("r", lido);
  EXPECT_EQ(lido.KV, 0);
  EXPECT_EQ(lido.POROS, 45.3f);
}

TEST(FicheiroSolo, ReaderRefusesWhatTheCalculationCannotUseNamingFileLineAndValue) {
  const std::string r1 = "  0.10000   0.50000\n", r2 = " 45.0  150.0  0.300\n", r4 = " 0.200\n",
                    r5 = " 0.500  200.0  1.000\n", r6 = " 0.300  1.500\n";
  struct Caso {
    std::string conteudo;
    int linha;
    std::string mensagem;
  } casos[] = {
      {r1 + r2 + "\n" + r4 + " 0.000  200.0  1.000\n" + r6, 5,
       "linha 5: esperava a largura das marachas maior que 0 e encontrou 0.0"},
      {r1 + r2 + "\n" + r4 + " -0.5  200.0  1.000\n" + r6, 5, "encontrou -0.5"},
      {r1 + " 45.0  150.0 -0.200\n\n" + r4 + r5 + r6, 4,
       "linha 4: esperava a profundidade da lavoura mais a da zona compactada maior que 0 e encontrou 0.2 + -0.2"},
      {r1 + r2 + "\n -0.3\n" + r5 + r6, 4, "encontrou -0.3 + 0.3"},
      {"  0.1000x   0.50000\n" + r2 + "\n" + r4 + r5 + r6, 1, "encontrou \"0.1000x\""},
      {r1 + " 45.0  *****  0.300\n\n" + r4 + r5 + r6, 2, "encontrou \"*****\""},
      // A file that ends early names its last line.
      {r1 + r2 + "\n" + r4 + r5, 5, "linha 5: esperava um número e encontrou o fim do ficheiro"},
      {r1 + r2, 2, "linha 2: o ficheiro acabou quando se esperava o registo 3"},
      {r1 + r2 + "\n" + r4 + " 0.500  200.0\n" + r6, 6, "o fim do ficheiro"},
      // A CR that ends no line, also in record 3, which is passed over.
      {r1 + r2 + "TEXTO\r1\n" + r4 + r5 + r6, 3, "linha 3: a linha acaba só em CR"},
      {r1 + r2 + "\n 0,200 1\n" + r5 + r6, 4, "linha 4: \"0,200\" tem vírgula decimal: use o ponto"},
  };
  for (const Caso& c : casos) {
    PastaTemporaria pasta;
    grava("x_FRT.txt", c.conteudo);
    DadosSolo lido;
    try {
      LE_SOLO("x", lido);
      ADD_FAILURE() << c.conteudo;
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(e.ficheiro, "x_FRT.txt");
      EXPECT_EQ(e.linha, c.linha) << c.conteudo;
      EXPECT_NE(para_utf8(e.mensagem()).find(c.mensagem), std::string::npos) << para_utf8(e.mensagem());
    }
  }
  PastaTemporaria pasta;
  DadosSolo lido;
  EXPECT_THROW(LE_SOLO("nenhum", lido), ErroFicheiro);
}

}  // namespace
