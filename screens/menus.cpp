#include "rotinas_minhas.h"

void MENUS(int NLIN, int IROW0, int ICOL0, int ICOLMAX, const Tabela<std::string, 25>& LINHAS,
           const Tabela<int32_t, 20>& IBAND, int IROWCUR, int ICOLCUR, int& IOPT) {
  for (int I = 1; I <= NLIN; ++I) {
    qw::fq_settextposition(IROW0 + I, ICOL0);
    qw::fq_outtext(fixo(LINHAS(I), 80));
  }
  int32_t antes = qw::settextcolorrgb(VERMELHO_ESCURO);
  qw::fq_settextposition(28, 50);
  qw::fq_outtext("click sobre a operação a escolher"_w);
  qw::settextcolorrgb(antes);
  for (;;) {
    int keystate, x, y;
    qw::waitonmouseeventqq(1, keystate, x, y);
    if (x == 0 && y == 0) continue;
    int linha = y / 16 + 1, coluna = x / 8 + 1;
    if (coluna < ICOL0 || coluna > ICOLMAX) continue;
    int K = linha - IROW0;
    if (K < 1 || K > NLIN) continue;
    IOPT = IBAND(K);
    if (IOPT >= 0) break;
  }
  qw::fq_settextposition(IROWCUR != 0 ? IROWCUR : IROW0 + NLIN + 2, ICOLCUR != 0 ? ICOLCUR : ICOL0);
}

void MENUT(int linha, int coluna, const std::string& titulo, int clear) {
  if (clear != 0) SALTA();
  int32_t antes = qw::settextcolorrgb(COR(1));
  qw::fq_settextposition(linha, coluna);
  qw::fq_outtext(titulo);
  qw::settextcolorrgb(antes);
}

namespace {

// Options on every other line, each followed by a blank spacer line that cannot be chosen.
void opcoes(const std::string* textos, int n, Tabela<std::string, 25>& LINHAS, Tabela<int32_t, 20>& IBAND) {
  for (int i = 1; i <= n; ++i) {
    LINHAS(2 * i - 1) = fixo(textos[i - 1], 80);
    IBAND(2 * i - 1) = i;
    LINHAS(2 * i) = std::string(80, ' ');
    IBAND(2 * i) = -1;
  }
}

// The two option menus of the calculation share one layout.
void menu_de_duas(const std::string& titulo, const std::string& op1, const std::string& op2, int& IOPT) {
  Tabela<std::string, 25> LINHAS;
  Tabela<int32_t, 20> IBAND;
  const std::string textos[2] = {op1, op2};
  do {
    MENUT(1, 8, titulo, 1);
    opcoes(textos, 2, LINHAS, IBAND);
    MENUS(4, 3, 8, 70, LINHAS, IBAND, 1, 1, IOPT);
  } while (IOPT > 2);
}

}  // namespace

void M_MENU_INICIAL_PALUDEX(int& IOPT, std::string& DIRET, std::string& DIRET0, int& IDEF) {
  SALTA();
  if (IDEF == 0) RECARREGA_DIRETORIA(DIRET, DIRET0, IDEF);
  int32_t antes = qw::settextcolorrgb(COR(5));
  qw::fq_settextposition(2, 2);
  qw::fq_outtext("Por omissão o programa irá procurar os ficheiros de dados:"_w);
  qw::fq_settextposition(3, 2);
  qw::fq_outtext("no disco ------>");
  qw::fq_settextposition(4, 2);
  qw::fq_outtext("na diretoria -->");
  qw::settextcolorrgb(COR(4));
  qw::fq_settextposition(3, 18);
  qw::fq_outtext(UNIDADE(DIRET));
  qw::fq_settextposition(4, 18);
  qw::fq_outtext(VISIVEL(PASTA(DIRET), 4, 18, 4));  // on its row: the rule of row 5 never covers it
  qw::fq_settextposition(5, 1);
  qw::fq_outtext(std::string(90, '_'));
  qw::settextcolorrgb(antes);
  const std::string textos[5] = {"Opção 1: Construção de um ficheiro de cultura"_w,
                                 "Opção 2: Construção de um ficheiro de solo"_w,
                                 "Opção 3: Cálculo das Necessidades de Rega"_w,
                                 "Opção 4: Altera a pasta para aceder aos ficheiros de dados"_w,
                                 "Opção 5: Fim do programa"_w};
  Tabela<std::string, 25> LINHAS;
  Tabela<int32_t, 20> IBAND;
  do {
    MENUT(7, 9, "      MENU INICIAL DO PROGRAMA PALUDEX:", 0);
    opcoes(textos, 5, LINHAS, IBAND);
    MENUS(10, 8, 9, 70, LINHAS, IBAND, 1, 1, IOPT);
  } while (IOPT > 5);
}

void M_MENU_REGA_ALAGA(int& IOPT) {
  menu_de_duas("Escolha uma das opções para obter o número de dias para alagar todo o bloco:"_w,
               "Opção 1: Número de dias para alagar toda a área"_w,
               "Opção 2: Caudal máximo disponível para o bloco"_w, IOPT);
}

void M_MENU_REGA_CONST(int& IOPT) {
  menu_de_duas("Escolha uma opção em relação aos dados da rega:"_w,
               "Opção 1: Os dados da rega variam de ano para ano"_w,
               "Opção 2: Os dados da rega mantêm-se todos os anos"_w, IOPT);
}
