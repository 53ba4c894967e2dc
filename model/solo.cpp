#include "solo.h"

#include <initializer_list>

#include "codigo.h"
#include "diretorias.h"
#include "ficheiro_solo.h"
#include "nomes_dados.h"
#include "respostas.h"
#include "rotinas_minhas.h"

namespace {


// Step 1: what the file holds.
void DESCRICAO() {
  const std::string linhas[] = {
      ""_w,
      "               Criação de um ficheiro de dados para"_w,
      "                  a cultura do arroz com:"_w,
      ""_w,
      "        1. Características do solo"_w,
      "          a) Condutividade hidráulica saturada  (m/dia)"_w,
      "                     vertical e  horizontal"_w,
      "          b) Porosidade (%)"_w,
      "          c) Capacidade utilizável  (mm/m)"_w,
      "          d) Profundidade da zona compactada  (m)"_w,
      ""_w,
      "        2. Geometria do arrozal, relacionada com"_w,
      "           armação do terreno, mecanização, drenagem"_w,
      "          a) Profundidade da lavoura  (m)"_w,
      "          b) Largura média das marachas  (m)"_w,
      "          c) Comprimento da vala de drenagem  (m/ha)"_w,
      "          d) Desnível médio entre o terreno a alagar"_w,
      "             e o rasto da vala de drenagem  (m)"_w,
      "          e) Altura média da água na vala de drenagem  (m)"_w,
      "          f) Profundidade média da toalha freática  (m)"_w,
  };
  for (const std::string& l : linhas) qw::escreve(l);
}

// Step 2: the code, asked again while the user wants another for an existing file; false for "0".
bool CODIGO_SOLO(std::string& CODIGO) {
  for (;;) {
    SALTA();
    qw::escreve("");
    qw::escreve("");
    qw::escreve(brancos(14) + "Introdução dos dados"_w);
    qw::escreve("");
    CODIGO = PEDE_CODIGO("   Código do ficheiro? "_w, 50, {TIPO_FRT});
    if (apara(CODIGO) == "0") return false;
    if (!existe(nome_dados(CODIGO, TIPO_FRT))) return true;
    qw::escreve("");
    qw::escreve("    Já existe um ficheiro com este código."_w);
    qw::pergunta("    Pretende indicar outro código? (S/N) "_w);
    char resposta = LETRA();
    SALTA();
    if (resposta != 'S' && resposta != 's') return true;
  }
}

// Why value I, typed as valor, cannot go into the file; empty when it can. The checks take the value
// as the file will keep it, for that is what the calculation reads.
std::string RECUSA(int I, float valor, const DadosSolo& S) {
  const CampoSolo& C = CAMPOS_SOLO(I);
  float guardado = 0, LZC = 0;
  if (!GUARDADO(I, valor, guardado))
    return brancos(5) + "O valor não cabe no ficheiro: no máximo "_w + std::to_string(C.w) + " caracteres, como " +
           std::string(C.w - C.d - 1, '9') + "." + std::string(C.d, '9');
  if (I == I_LA && !MARACHAS_VALIDAS(guardado))
    return brancos(5) + "A largura das marachas, com três decimais, tem de ser maior que 0."_w;
  GUARDADO(I_LZC, S.LZC, LZC);
  if (I == I_LLAV1 && !ESPESSURA_VALIDA(LZC, guardado))
    return brancos(5) + "A lavoura mais a zona compactada, com três decimais, tem de ser maior que 0."_w;
  return "";
}

// One question: its lines and its prompt, then value I read into S. A value that cannot be read or that
// the file cannot take is refused with the reason, and the question comes again.
void PEDE(std::initializer_list<std::string> linhas, const std::string& prompt, int I, DadosSolo& S) {
  S.*CAMPOS_SOLO(I).valor = PERGUNTA_REAL(
      linhas, prompt,
      [&](float valor, std::string& recusa) {
        recusa = RECUSA(I, valor, S);
        return recusa.empty();
      });
}

// Step 3: the soil characteristics; answers in column 43.
void CARACTERISTICAS(DadosSolo& S) {
  PEDE({"", "", "", brancos(18) + " Características do solo: "_w, "", "",
        brancos(5) + "Valor da condutividade hidráulica saturada (m/dia)"_w},
       brancos(8) + "- vertical?                       ", 1, S);
  PEDE({}, brancos(8) + "- horizontal?                     ", 2, S);
  PEDE({""}, brancos(5) + "Porosidade (%)?                      ", 3, S);
  PEDE({""}, brancos(5) + "Capacidade utilizável? (mm/m)        "_w, 4, S);
  PEDE({""}, brancos(5) + "Profundidade da zona compactada? (m) ", I_LZC, S);
}

// Step 4: the field layout and drainage; answers in column 46.
void ARMACAO(DadosSolo& S) {
  SALTA();
  qw::escreve("");
  qw::escreve("");
  qw::escreve(brancos(18) + "Armação do terreno e drenagem"_w);
  PEDE({""}, brancos(5) + "Profundidade da lavoura? (m)            ", I_LLAV1, S);
  PEDE({""}, brancos(5) + "Largura das marachas?  (m)              ", I_LA, S);
  PEDE({""}, brancos(5) + "Comprimento da vala de drenagem? (m/ha) ", 8, S);
  PEDE({"", brancos(5) + "Desnível médio entre o terreno e"_w}, brancos(5) + "o rasto da vala de drenagem? (m)        ",
       9, S);
  PEDE({"", "", brancos(5) + "Altura média da água"_w}, brancos(5) + "na vala de drenagem? (m)                ", 10, S);
  PEDE({"", brancos(5) + "Profundidade média "_w}, brancos(5) + "da toalha freática? (m)                 "_w, 11, S);
}

}  // namespace

// "N" at the first confirmation asks again from the code, at the second only the layout.
void SOLO(int& IERR) {
  IERR = 0;
  SALTA();
  DESCRICAO();
  CARREGUE();
  std::string CODIGO;
  DadosSolo S;
  do {
    if (!CODIGO_SOLO(CODIGO)) {
      IERR = 1;
      SALTA();
      return;
    }
    CARACTERISTICAS(S);
    qw::escreve("");
  } while (!CORRETOS());
  do {
    ARMACAO(S);
    qw::escreve("");
  } while (!CORRETOS());
  // The name as the file bears it, in 98 characters.
  const std::string nome = fixo(ESCREVE_SOLO(CODIGO, S), 98);
  qw::escreve("");
  qw::escreve("");
  qw::escreve(brancos(5) + "Dados armazenados no ficheiro: " + nome);
  CARREGUE();
}
