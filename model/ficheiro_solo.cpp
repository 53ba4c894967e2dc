#include "ficheiro_solo.h"

#include "nomes_dados.h"
#include "registos.h"
#include "rotinas_minhas.h"

const Tabela<CampoSolo, 11> CAMPOS_SOLO = {{{
    {&DadosSolo::KV, 1, 8, 5},
    {&DadosSolo::KX, 1, 8, 5},
    {&DadosSolo::POROS, 2, 4, 1},
    {&DadosSolo::U, 2, 5, 1},
    {&DadosSolo::LZC, 2, 5, 3},
    {&DadosSolo::LLAV1, 4, 5, 3},
    {&DadosSolo::LA, 5, 5, 3},
    {&DadosSolo::COMPV, 5, 5, 1},
    {&DadosSolo::COTAV, 5, 5, 3},
    {&DadosSolo::HVAL, 6, 5, 3},
    {&DadosSolo::TF, 6, 5, 3},
}}};

namespace {

constexpr int REGISTOS = 6;

}  // namespace

bool GUARDADO(int I, float valor, float& guardado) {
  const CampoSolo& C = CAMPOS_SOLO(I);
  std::string campo = fF(valor, C.w, C.d);
  if (campo.find('*') != std::string::npos) return false;
  return le_real(campo.substr(campo.find_first_not_of(' ')), C.d, guardado);
}

// Each record: column 1 blank, then its fields two blanks apart; record 3 is an empty line.
std::string ESCREVE_SOLO(const std::string& CODIGO, const DadosSolo& S) {
  FicheiroEscrita f(nome_dados(CODIGO, TIPO_FRT));
  for (int R = 1; R <= REGISTOS; ++R) {
    std::string registo;
    for (int I = 1; I <= 11; ++I) {
      const CampoSolo& C = CAMPOS_SOLO(I);
      if (C.registo == R) registo += (registo.empty() ? " " : "  ") + fF(S.*C.valor, C.w, C.d);
    }
    f.registo(registo);
  }
  f.conclui();
  return f.nome();
}

// Each record is one free-form read from the start of its line; record 3 is passed over whatever it holds.
void LE_SOLO(const std::string& CODIGO, DadosSolo& S) {
  FicheiroLeitura f(nome_dados(CODIGO, TIPO_FRT));
  int linha_LA = 0, linha_LLAV1 = 0;
  for (int R = 1; R <= REGISTOS; ++R) {
    if (R == 3) {
      f.salta("o registo 3");
      continue;
    }
    int valores = 0;
    for (int I = 1; I <= 11; ++I) valores += CAMPOS_SOLO(I).registo == R;
    Livre leitura = f.livre(valores);
    for (int I = 1; I <= 11; ++I) {
      const CampoSolo& C = CAMPOS_SOLO(I);
      if (C.registo != R) continue;
      S.*C.valor = leitura.real();
      if (I == I_LA) linha_LA = f.linha();
      if (I == I_LLAV1) linha_LLAV1 = f.linha();
    }
  }
  if (!MARACHAS_VALIDAS(S.LA))
    throw ErroFicheiro(f.nome(), linha_LA, "esperava a largura das marachas maior que 0 e encontrou " + livre(S.LA));
  if (!ESPESSURA_VALIDA(S.LZC, S.LLAV1))
    throw ErroFicheiro(f.nome(), linha_LLAV1,
                       "esperava a profundidade da lavoura mais a da zona compactada maior que 0 e encontrou " +
                           livre(S.LLAV1) + " + " + livre(S.LZC));
}
