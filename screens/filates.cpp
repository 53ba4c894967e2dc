#include "filates.h"

#include "diretorias.h"
#include "mensagem.h"
#include "nomes_dados.h"
#include "rotinas_minhas.h"

namespace {

constexpr size_t TAM_FILS = 102;
const std::string SEPARADOR(80, '-');
const std::string BRANCOS(80, ' ');

void escreve_em(int linha, int coluna, int32_t cor, const std::string& texto) {
  qw::settextcolorrgb(cor);
  qw::fq_settextposition(linha, coluna);
  qw::fq_outtext(texto);
}

// The largest count of columns, 1 to 7, whose stride of MAXSTRING + 1 fits in 80 columns.
int colunas(int MAXSTRING) {
  int NUMCOL = 80 / (MAXSTRING + 1);
  return NUMCOL < 1 ? 1 : NUMCOL > 7 ? 7 : NUMCOL;
}

// The grid rows of page IPAG, the separator under them, the caller's notice and the prompt; IPOSY is the
// row of the last grid row.
void pagina(int IPAG, int N, int NUMCOL, int NPAG, int MAXSTRING, const LISTA_FICHEIROS& FILS,
            const std::string& PERGUNTA, const std::string& AVISO, int32_t cor_chamador, int& IPOSY) {
  qw::settextcolorrgb(COR(4));
  int K = 20 * IPAG - 19, I = 0;
  for (;; ++K) {
    WRFILS(K, NUMCOL, MAXSTRING + 1, FILS, I);
    if (I >= N || K == 20 * IPAG) break;
  }
  IPOSY = NPAG > 1 ? 23 : 3 + K;
  escreve_em(IPOSY + 1, 1, COR(5), SEPARADOR);
  if (!AVISO.empty()) {
    qw::settextcolorrgb(cor_chamador);
    qw::fq_settextposition(IPOSY + 2, 1);
    mensagem(AVISO);
  }
  escreve_em(IPOSY + 3, 1, cor_chamador, PERGUNTA);
}

}  // namespace

void GETFILES(const std::string& NOMEXP, LISTA_FICHEIROS& FILS, int& N, int& IERR, int& MAXSTRING, int& IPOSY) {
  N = 0;
  for (const std::string& nome : lista(apara(NOMEXP))) {
    if (N == MAX_FICHEIROS) break;
    std::string NOMT = nome.substr(0, TAM_FILS);
    int L = ultimo(NOMT);
    const int S = static_cast<int>(SUFIXO_DADOS);
    FILS(++N) = fixo(L > S ? NOMT.substr(0, L - S) : "", TAM_FILS);
    if (L - 2 > MAXSTRING) MAXSTRING = L - 2;
  }
  if (N == 0) {
    qw::fq_settextposition(4, 1);
    qw::fq_outtext("Não foram encontados ficheiros com a extensão indicada"_w);
    IPOSY = 4;
    IERR = 1;
  }
}

void WRFILS(int K, int NUMCOL, int STRIDE, const LISTA_FICHEIROS& FILS, int& I) {
  int linha = (K - 1) % 20 + 4;
  for (int j = 1; j <= NUMCOL; ++j) {
    I = (K - 1) * NUMCOL + j;
    qw::fq_settextposition(linha, 1 + (j - 1) * STRIDE);
    qw::fq_outtext(I <= MAX_FICHEIROS ? FILS(I) : std::string(TAM_FILS, ' '));
  }
}

void FILATES(const std::string& NOMEXP, std::string& NOMFILE, const std::string& PERGUNTA, int, int& IERR,
             const std::string& AVISO) {
  LISTA_FICHEIROS FILS;
  FILS.preenche(std::string(TAM_FILS, ' '));
  int N = 0, MAXSTRING = 0, IPOSY = 0;
  IERR = 0;
  qw::FQclearscreen(2);
  int32_t cor_chamador = qw::settextcolorrgb(COR(2));
  escreve_em(2, 10, COR(2), "Ficheiros do tipo");
  escreve_em(2, 30, COR(4), fixo(NOMEXP, 8));
  escreve_em(2, 40, COR(2), "encontrados na directoria corrente");
  escreve_em(3, 1, COR(5), SEPARADOR);
  qw::settextcolorrgb(COR(7));
  GETFILES(NOMEXP, FILS, N, IERR, MAXSTRING, IPOSY);
  if (IERR == 1) {
    escreve_em(IPOSY + 1, 1, COR(7), SEPARADOR);
    qw::settextcolorrgb(cor_chamador);
    qw::fq_settextposition(7, 1);
    return;
  }
  escreve_em(1, 2, COR(5), "click sobre o nome para escolher ou ");
  escreve_em(1, 38, COR(4), "<aqui>");
  escreve_em(1, 44, COR(5), " para digitar o nome ou ");
  escreve_em(1, 68, COR(4), "<aqui>");
  escreve_em(1, 74, COR(5), " para voltar");
  int NUMCOL = colunas(MAXSTRING);
  int NPAG = (N + 20 * NUMCOL - 1) / (20 * NUMCOL);
  if (NPAG > 1) escreve_em(1, 1, COR(5), "<pag anterior>    <pag seguinte>");
  int IPAG = 1;
  pagina(IPAG, N, NUMCOL, NPAG, MAXSTRING, FILS, PERGUNTA, AVISO, cor_chamador, IPOSY);
  for (;;) {
    int KEYSTATE, MOUSEXPOS, MOUSEYPOS;
    qw::waitonmouseeventqq(1, KEYSTATE, MOUSEXPOS, MOUSEYPOS);
    if (MOUSEXPOS == 1 && MOUSEYPOS == 0) {
      NOMFILE = std::string(98, ' ');
      return;
    }
    int r = MOUSEYPOS / 16 + 1, c = MOUSEXPOS / 8 + 1;
    if (r == 1 && c >= 38 && c <= 43) {
      NOMFILE = fixo(qw::le_linha(), 98);
      return;
    }
    if (r == 1 && c >= 68 && c <= 73) {
      NOMFILE = fixo("0", 98);
      return;
    }
    if (r == IPOSY + 3 && c >= 24) return;
    bool anterior = r == 1 && c <= 14 && IPAG > 1, seguinte = r == 1 && c >= 19 && c <= 32 && IPAG < NPAG;
    if (anterior || seguinte) {
      IPAG += seguinte ? 1 : -1;
      qw::settextcolorrgb(cor_chamador);
      for (int linha = 4; linha <= 23; ++linha) {
        qw::fq_settextposition(linha, 1);
        qw::fq_outtext(BRANCOS);
      }
      pagina(IPAG, N, NUMCOL, NPAG, MAXSTRING, FILS, PERGUNTA, AVISO, cor_chamador, IPOSY);
      continue;
    }
    if (r <= 3) continue;
    int j = c / (MAXSTRING + 1) + 1;
    int indice = (r - 4) * NUMCOL + j + (IPAG - 1) * 20 * NUMCOL;
    if (indice > N) continue;
    NOMFILE = fixo(FILS(indice), 98);
    qw::fq_settextposition(IPOSY + 3, 24);
    qw::fq_outtext(FILS(indice));
    qw::fq_settextposition(IPOSY + 4, 1);
  }
}
