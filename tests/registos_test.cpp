// Reading and writing of text records: fixed columns, free form, formatted numbers, line ends.
#include "registos.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <functional>
#include <optional>

#include "cp1252.h"
#include "pasta_temporaria.h"
#include "script_teste.h"
#include "teclado.h"
#include "texto.h"

namespace {

TEST(Campos, FixedFieldsReadAsLaidOut) {
  struct Caso {
    std::string registo;
    int w, d;  // d < 0: an integer field
    float esperado;
  } casos[] = {
      {" 1 2", 4, -1, 12},      {"    ", 4, -1, 0},     {"", 3, -1, 0},          {"-7", 2, -1, -7},
      {"        10", 10, 3, 0.010f}, {"  1.5", 5, 3, 1.5f}, {" 12345", 6, 3, 12.345f}, {"1.5E2", 5, 1, 150},
      {"2D1", 3, 0, 20},        {"  -0.123", 8, 3, -0.123f}, {"   ", 3, 3, 0},
  };
  for (const Caso& c : casos) {
    Campos campos(c.registo);
    float v = c.d < 0 ? static_cast<float>(campos.I(c.w)) : campos.F(c.w, c.d);
    EXPECT_EQ(v, c.esperado) << "\"" << c.registo << "\"";
  }
}

TEST(Campos, FieldsFollowOneAnotherAndTextKeepsItsBlanks) {
  Campos c(" 05/06 x", "a_CUL.txt", 3);
  c.X(1);
  EXPECT_EQ(c.I(2), 5);
  EXPECT_EQ(c.A(1), "/");
  EXPECT_EQ(c.I(2), 6);
  EXPECT_EQ(c.A(4), " x  ");
}

TEST(Campos, UnreadableFieldNamesFileLineAndColumns) {
  Campos c(" 5/", "x_CUL.txt", 7);
  c.X(1);
  try {
    c.I(2);
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(e.ficheiro, "x_CUL.txt");
    EXPECT_EQ(e.linha, 7);
    EXPECT_EQ(para_utf8(e.mensagem()),
              "Erro no ficheiro x_CUL.txt, linha 7: esperava um número inteiro nas colunas 2-3 e encontrou \"5/\"");
  }
  for (const char* mau : {"1.2.3", "abc", "1E", "--1", "."}) EXPECT_THROW(Campos(mau).F(5, 2), ErroFicheiro) << mau;
  EXPECT_THROW(Campos("1.5").I(3), ErroFicheiro);
}

class FicheiroTest : public ::testing::Test {
 protected:
  PastaTemporaria pasta;
};

TEST_F(FicheiroTest, FreeFormGoesAcrossLinesAndDropsTheRestOfTheLastOne) {
  grava("s_pre.txt", "1 3 decades\r\n\r\n0,25\n1.5 2.5e1\t-3D-1 sobra\nfim\n");
  FicheiroLeitura f("s_pre.txt");
  EXPECT_EQ(f.livre().inteiro(), 1);  // "3 decades" ignored
  Livre l = f.livre(2);               // the empty line gives none
  EXPECT_EQ(l.real(), 0.0f);
  EXPECT_EQ(l.real(), 25.0f);
  Livre m = f.livre(3);
  EXPECT_EQ(m.real(), 1.5f);
  EXPECT_EQ(m.real(), 25.0f);
  EXPECT_EQ(m.real(), -0.3f);
  EXPECT_EQ(f.registo("fim"), "fim");
  f.recua();
  EXPECT_EQ(f.registo("fim"), "fim");
  try {
    f.livre().real();
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(e.ficheiro, "s_pre.txt");
  }
}

TEST_F(FicheiroTest, FreeFormRefusesWhatIsNotANumberWithItsLine) {
  grava("e_ET0.txt", "3\n1.5 x\n");
  FicheiroLeitura g("e_ET0.txt");
  Livre l = g.livre(3);
  EXPECT_EQ(l.inteiro(), 3);
  EXPECT_EQ(l.real(), 1.5f);
  try {
    l.real();
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(e.linha, 2);
  }
  FicheiroLeitura h("e_ET0.txt");
  h.registo("o tipo");
  EXPECT_THROW(h.livre().inteiro(), ErroFicheiro);  // 1.5 is not an integer
}

// Lines that hold more numbers than a read takes, with a word that has a comma between two digits and no
// decimal point, were written with decimal commas; commas that separate values are read as the free-form
// rule says, the rest of the last line ignored. Typed and in a file alike.
TEST_F(FicheiroTest, DecimalCommasAreRefusedWhereTheyMakeTooManyValues) {
  const std::string serie = "0,99 1,48 2,31 3,25 4,10 5,02 5,55 5,12 3,87 2,40 1,30 0,85";
  struct Caso {
    std::vector<std::string> linhas;
    int n;
    std::vector<float> valores;  // empty: refused
    int linha = 0;               // the line named when refused
    std::string problema = "";   // UTF-8
    bool inteiro = false;        // read as whole numbers
  } casos[] = {
      {{"0,10"}, 1, {}, 1, "\"0,10\" tem vírgula decimal: use o ponto"},
      {{"1,05 1,10 1,20 1,25 1,00"}, 5, {}, 1, "\"1,05\" tem vírgula decimal: use o ponto"},
      {{"1,050 1,100 1,200 1,150 0,950"}, 5, {}, 1, "\"1,050\" tem vírgula decimal: use o ponto"},
      {{serie}, 12, {}, 1, "\"0,99\" tem vírgula decimal: use o ponto"},
      {{"1,05 1,10", "1.2 1.25 1.0"}, 5, {}, 1, "\"1,05\" tem vírgula decimal: use o ponto"},
      {{"", "2 3,5"}, 2, {}, 2, "\"3,5\" tem vírgula decimal: use o ponto"},
      {{"1.5,2 3,5"}, 2, {}, 1, "\"3,5\" tem vírgula decimal: use o ponto"},  // the word without a point
      {{"4,5"}, 1, {}, 1, "esperava um número inteiro e encontrou \"4,5\"", true},
      {{"1.05,1.10"}, 2, {1.05f, 1.10f}},
      {{"1,1,1,1,1"}, 5, {1, 1, 1, 1, 1}},
      {{"0,10"}, 2, {0, 10}},
      {{"1.05 1.10", "1,2"}, 4, {1.05f, 1.10f, 1, 2}},
      {{"0.25, 7"}, 1, {0.25f}},
      {{"45 , 150,0.3   resto"}, 3, {45, 150, 0.3f}},
      {{"1.5 2.5"}, 1, {1.5f}},
      // Twelve months and the yearly total, one value too many, a trailing value, over two lines.
      {{"1.00,1.50,2.50,3.30,4.60,5.30,5.90,6.10,4.80,3.00,2.00,1.20,41.20"},
       12,
       {1.00f, 1.50f, 2.50f, 3.30f, 4.60f, 5.30f, 5.90f, 6.10f, 4.80f, 3.00f, 2.00f, 1.20f}},
      {{" 1.05,1.10,1.20,1.15,0.95,1.00"}, 5, {1.05f, 1.10f, 1.20f, 1.15f, 0.95f}},
      {{" 0.200,1"}, 1, {0.2f}},
      {{"1.05,1.10,1.20", "1.15 0.95 1.00"}, 5, {1.05f, 1.10f, 1.20f, 1.15f, 0.95f}},
      {{"4, 5"}, 1, {4}, 0, "", true},
  };
  for (const Caso& c : casos) {
    std::string texto;
    std::vector<std::string> eventos;
    for (const std::string& l : c.linhas) {
      texto += l + "\n";
      eventos.push_back("type " + l);
    }
    grava("v_pre.txt", texto);
    FicheiroLeitura f("v_pre.txt");
    ScriptTeste s(eventos);
    Teclado t;
    for (FonteRegistos* fonte : {static_cast<FonteRegistos*>(&f), static_cast<FonteRegistos*>(&t)}) {
      const bool ficheiro = fonte == &f;
      Livre l(*fonte, c.n);
      auto le = [&] { return c.inteiro ? static_cast<float>(l.inteiro()) : l.real(); };
      try {
        for (float v : c.valores) EXPECT_EQ(le(), v) << c.linhas[0];
        if (c.valores.empty()) {
          for (int k = 1; k <= c.n; ++k) le();
          ADD_FAILURE() << c.linhas[0] << " read";
        }
      } catch (const VirgulaDecimal& e) {
        EXPECT_TRUE(c.valores.empty()) << c.linhas[0];
        EXPECT_EQ(e.ficheiro, ficheiro ? "v_pre.txt" : "");
        EXPECT_EQ(e.linha, ficheiro ? c.linha : 0);
        EXPECT_EQ(para_utf8(e.problema), c.problema) << c.linhas[0];
      }
    }
  }
}

// A fixed-column real written with a decimal comma says so, with the file and the line; a field with a
// point and a comma is only unreadable.
TEST(Campos, DecimalCommaInARealFieldIsNamed) {
  try {
    Campos c(" 20/ 6    0,150", "x_CUL.txt", 12);
    c.X(6);
    c.F(10, 3);
    FAIL();
  } catch (const VirgulaDecimal& e) {
    EXPECT_EQ(para_utf8(e.mensagem()),
              "Erro no ficheiro x_CUL.txt, linha 12: \"0,150\" tem vírgula decimal: use o ponto");
  }
  try {
    Campos(" 0.1,5").F(6, 3);
    FAIL();
  } catch (const VirgulaDecimal&) {
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(para_utf8(e.problema), "esperava um número nas colunas 1-6 e encontrou \" 0.1,5\"");
  }
}

TEST_F(FicheiroTest, MessagesQuoteAtMostTwentyCharactersOfAValue) {
  grava("q_pre.txt", "1\n" + std::string(10000, 'x') + "\n");
  FicheiroLeitura f("q_pre.txt");
  f.registo("o tipo");
  const std::string citado = "\"xxxxxxxxxxxxxxxxxxxx...\"";
  try {
    f.livre().real();
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(para_utf8(e.mensagem()), "Erro no ficheiro q_pre.txt, linha 2: esperava um número e encontrou " + citado);
  }
  try {
    Campos(std::string(40, 'x')).F(30, 3);
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(para_utf8(e.problema), "esperava um número nas colunas 1-30 e encontrou " + citado);
  }
  grava("q_pre.txt", "1,2,3,4,5,6,7,8,9,10,11,12,13\n");
  try {
    FicheiroLeitura("q_pre.txt").livre().real();
    FAIL();
  } catch (const VirgulaDecimal& e) {
    EXPECT_EQ(para_utf8(e.problema), "\"1,2,3,4,5,6,7,8,9,10...\" tem vírgula decimal: use o ponto");
  }
}

// A CR belongs to a line end only right before an LF, alone or in a run (CR LF, CR CR LF), or at the end of
// the file. Any other CR refuses the file at its opening, naming its line, whichever records are read later;
// a file whose lines end in CR alone (CR and no LF, a CR before its last character) is refused as such.
TEST_F(FicheiroTest, ACrEndsALineOnlyBeforeLfOrAtTheEndAndAnyOtherRefusesTheFile) {
  for (const char* so_cr : {"1\r2\r1990\r", "1\r2", "1\r\r"}) {
    grava("m_ET0.txt", so_cr);
    try {
      FicheiroLeitura f("m_ET0.txt");
      ADD_FAILURE() << "read";
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(para_utf8(e.mensagem()),
                "Erro no ficheiro m_ET0.txt: as linhas acabam só em CR (grave-o com CR LF ou LF)");
    }
  }
  const struct {
    std::string bytes;
    int linha;
  } recusados[] = {
      {"a\rb\r\nc\n", 1},                      // a CR inside a record
      {"3\r\n20\r\n2007\r 1.10 1.54\r\n", 3},  // one line ended by CR alone among CR LF
      {"1\n2\n\r\r3\n", 3},                    // a run of CRs before a value
      {"1\r\n2\r \r\n", 2},                    // a blank between two CRs
      {"1\n2\n3\r\r4", 3},
      {"\xEF\xBB\xBF" "1\r2\n", 1},              // after the UTF-8 mark
  };
  for (const auto& c : recusados) {
    grava("m_ET0.txt", c.bytes);
    try {
      FicheiroLeitura f("m_ET0.txt");
      ADD_FAILURE() << c.bytes << " read";
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(para_utf8(e.mensagem()), "Erro no ficheiro m_ET0.txt, linha " + std::to_string(c.linha) +
                                             ": a linha acaba só em CR (grave o ficheiro com CR LF ou LF)");
    }
  }
  const struct {
    std::string bytes;
    std::vector<std::string> linhas;
  } casos[] = {
      {"1\r\n2\n1990\r", {"1", "2", "1990"}},  // CR LF, LF, and a CR that ends the file
      {"1990\r", {"1990"}},
      {"1\r\r\n2\r\r\n", {"1", "2"}},          // CR CR LF
      {"\r\n\r\r\r\n", {"", ""}},
      {"1\r\n2\r\r", {"1", "2"}},              // CRs that end the file
      {"1\n\r", {"1", ""}},
  };
  for (const auto& c : casos) {
    grava("m_ET0.txt", c.bytes);
    FicheiroLeitura f("m_ET0.txt");
    for (const std::string& l : c.linhas) EXPECT_EQ(f.registo("uma linha"), l) << l;
    EXPECT_THROW(f.registo("o fim"), ErroFicheiro);
  }
}

// A file that starts with the UTF-8 mark reads as the same file without it, its UTF-8 text in
// Windows-1252 (a character that Windows-1252 lacks as "?", a byte that is not UTF-8 as it stands);
// without the mark the bytes are Windows-1252 as they stand.
TEST_F(FicheiroTest, TheUtf8MarkIsDroppedAndItsTextReadAsUtf8) {
  const std::string MARCA = "\xEF\xBB\xBF";
  const struct {
    std::string bytes;
    std::vector<std::string> linhas;
  } casos[] = {
      {MARCA + "1\r\n2\r\n", {"1", "2"}},
      {MARCA + "Opção ☃ €\r\n", {"Op\xE7\xE3o ? \x80"}},
      {MARCA + "\xE7" "a\n", {"\xE7" "a"}},  // a Windows-1252 byte after the mark
      {MARCA, {}},
      {"Opção\n", {"Op\xC3\xA7\xC3\xA3o"}},
      {"\xEF\xBB", {"\xEF\xBB"}},
  };
  for (const auto& c : casos) {
    grava("u_CUL.txt", c.bytes);
    FicheiroLeitura f("u_CUL.txt");
    for (const std::string& l : c.linhas) EXPECT_EQ(f.registo("uma linha"), l) << c.bytes;
    EXPECT_THROW(f.registo("o fim"), FimDoFicheiro) << c.bytes;
  }
  grava("u_pre.txt", MARCA + "1\r\n 2.5 x\r\n");
  FicheiroLeitura f("u_pre.txt");
  EXPECT_EQ(f.livre().inteiro(), 1);
  Livre l = f.livre(2);
  EXPECT_EQ(l.real(), 2.5f);
  try {
    l.real();
    FAIL();
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(para_utf8(e.mensagem()), "Erro no ficheiro u_pre.txt, linha 2: esperava um número e encontrou \"x\"");
  }
}

// The reader counts the lines: the last record given, whichever way it was read, back by one after recua;
// a read past the end names the last line and says that the file ended.
TEST_F(FicheiroTest, TheReaderCountsTheLinesThatItsMessagesName) {
  grava("c_FRT.txt", "um\n 1\n\n\n 2 3\n");
  FicheiroLeitura f("c_FRT.txt");
  EXPECT_EQ(f.linha(), 0);
  f.salta("um");
  EXPECT_EQ(f.linha(), 1);
  f.campos("o um").I(2);
  EXPECT_EQ(f.linha(), 2);
  f.recua();
  EXPECT_EQ(f.linha(), 1);
  Livre l = f.livre(3);
  EXPECT_EQ(l.real(), 1.0f);
  EXPECT_EQ(f.linha(), 2);
  EXPECT_EQ(l.real(), 2.0f);  // over two empty lines
  EXPECT_EQ(f.linha(), 5);
  EXPECT_EQ(l.real(), 3.0f);
  const std::function<void()> depois_do_fim[] = {
      [&] { f.livre().real(); },
      [&] { f.registo("o registo 6"); },
  };
  for (const auto& le_mais : depois_do_fim) {
    try {
      le_mais();
      ADD_FAILURE() << "read past the end";
    } catch (const FimDoFicheiro& e) {
      EXPECT_EQ(e.ficheiro, "c_FRT.txt");
      EXPECT_EQ(e.linha, 5);
    }
  }
  grava("v_FRT.txt", "");
  EXPECT_THROW(FicheiroLeitura("v_FRT.txt").livre().real(), FimDoFicheiro);
}

TEST_F(FicheiroTest, MissingFileCannotBeOpened) { EXPECT_THROW(FicheiroLeitura("nada_CUL.txt"), ErroFicheiro); }

TEST_F(FicheiroTest, WritesCrLfAndReplacesWholeOrNotAtAll) {
  grava("a_FRT.txt", "antigo\n");
  {
    FicheiroEscrita f("a_FRT.txt");
    f.registo("um");
    f.registo("");
  }  // never concluded: the old file stays and no temporary is left
  EXPECT_EQ(le("a_FRT.txt"), "antigo\n");
  EXPECT_EQ(std::system("test -z \"$(ls -A | grep tmp)\""), 0);
  FicheiroEscrita f("a_FRT.txt");
  f.registo("um");
  f.registo("");
  f.conclui();
  EXPECT_EQ(le("a_FRT.txt"), "um\r\n\r\n");
  FicheiroLeitura r("a_FRT.txt");
  EXPECT_EQ(r.registo("um"), "um");
  EXPECT_EQ(r.registo("vazio"), "");
  EXPECT_THROW(r.registo("mais"), ErroFicheiro);
}

// While it lives, no file of the process may grow past 50 bytes: a write fails as on a full disk.
struct DiscoCheio {
  rlimit antes;
  DiscoCheio() {
    getrlimit(RLIMIT_FSIZE, &antes);
    rlimit cheio = antes;
    cheio.rlim_cur = 50;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &cheio);
  }
  ~DiscoCheio() {
    setrlimit(RLIMIT_FSIZE, &antes);
    signal(SIGXFSZ, SIG_DFL);
  }
};

// Two files of which the second cannot be put in place (a folder at its name, or a write that fails as it
// is flushed): the first is not renamed either, and no temporary file is left.
TEST(Escrita, ASetIsPutInPlaceWholeOrNotAtAll) {
  for (bool pasta_no_nome : {true, false}) {
    PastaTemporaria pasta;
    grava("a_NRG.txt", "antigo");
    if (pasta_no_nome)
      EXPECT_EQ(mkdir("b_BAL.txt", 0755), 0);
    else
      grava("b_BAL.txt", "antigo");
    {
      FicheiroEscrita a("a_NRG.txt"), b("b_BAL.txt");
      a.registo("novo");
      b.registo(std::string(200, 'x'));
      std::optional<DiscoCheio> cheio;
      if (!pasta_no_nome) cheio.emplace();
      try {
        conclui_juntos({&a, &b});
        ADD_FAILURE() << "put in place";
      } catch (const ErroFicheiro& e) {
        EXPECT_EQ(e.ficheiro, "b_BAL.txt");
      }
    }
    EXPECT_EQ(le("a_NRG.txt"), "antigo") << pasta_no_nome;
    if (!pasta_no_nome) {
      EXPECT_EQ(le("b_BAL.txt"), "antigo");
    }
    EXPECT_EQ(std::system("test -z \"$(ls -A | grep tmp)\""), 0) << pasta_no_nome;
  }
}

// A file that cannot be created says why in the system's words, naming the file and not its temporary one.
TEST(Escrita, AFileThatCannotBeCreatedSaysWhy) {
  PastaTemporaria pasta;
  const std::string nome = std::string(240, 'a') + "_NRG.txt";  // its temporary file's name is too long
  try {
    FicheiroEscrita f(nome);
    ADD_FAILURE() << "created";
  } catch (const ErroGravacao& e) {
    EXPECT_EQ(e.mensagem(), "Erro no ficheiro " + nome + ": não foi possível criar o ficheiro (o nome é demasiado comprido)"_w);
    EXPECT_TRUE(e.intactos);
  }
}

TEST_F(FicheiroTest, AccentedTextsRoundTripAsWindows1252) {
  std::string texto = "ALTERAR A LOCALIZAÇÃO DOS FICHEIROS - Opção irá mantêm-se Cálculo"_w;
  EXPECT_EQ(texto.size(), std::string("ALTERAR A LOCALIZACAO DOS FICHEIROS - Opcao ira mantem-se Calculo").size());
  FicheiroEscrita f("ç_CUL.txt"_w);
  f.registo(texto);
  f.conclui();
  EXPECT_EQ(le("ç_CUL.txt"), texto + "\r\n");  // Windows-1252 inside, the name UTF-8 on disk
  EXPECT_EQ(FicheiroLeitura("ç_CUL.txt"_w).registo("o texto"), texto);
  EXPECT_EQ(de_utf8("€ “x” ☃"), std::string("\x80 \x93x\x94 ?"));
  EXPECT_EQ(para_utf8("\x80\x81"), "€?");
}

TEST(Escrita, NumbersAsPrintfWithAsterisksOnOverflow) {
  struct Caso {
    float v;
    int w, d;
    const char* esperado;
  } casos[] = {
      {0.1234f, 6, 3, " 0.123"}, {99.999f, 6, 3, "99.999"}, {100.0f, 6, 3, "******"}, {-9.999f, 6, 3, "-9.999"},
      {-10.0f, 6, 3, "******"},  {-0.0f, 6, 3, "-0.000"},   {0.0625f, 6, 3, " 0.062"}, {0.1875f, 6, 3, " 0.188"},
      {2.5f, 4, 0, "   2"},      {1e30f, 8, 1, "********"},
  };
  for (const Caso& c : casos) EXPECT_EQ(fF(c.v, c.w, c.d), c.esperado) << c.v;
  EXPECT_EQ(fI(0, 5), "    0");
  EXPECT_EQ(fI(123456, 5), "*****");
  EXPECT_EQ(fI(-12, 3), "-12");
  EXPECT_EQ(fA("abc", 5), "  abc");
  EXPECT_EQ(fA("abcdef", 3), "abc");
}

TEST(Escrita, FreeFormRealsReadBack) {
  for (float v : {0.1f, 10.0f, 1e-7f, -3.25f, 123456.7f, 0.0f, 1e20f}) {
    float lido = 0;
    ASSERT_TRUE(le_real(livre(v), 0, lido)) << livre(v);
    EXPECT_EQ(lido, v);
  }
  EXPECT_EQ(livre(10.0f), "10.0");
}

}  // namespace
