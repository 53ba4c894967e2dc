#include <algorithm>
#include <cctype>
#include <cerrno>

#include "diretorias.h"
#include "mensagem.h"
#include "registos.h"
#include "pasta_dados.h"
#include "rotinas_minhas.h"

namespace {
bool tem_unidade(const std::string& DIRET) {
  return DIRET.size() >= 2 && std::isalpha(static_cast<unsigned char>(DIRET[0])) && DIRET[1] == ':';
}
}  // namespace

std::string UNIDADE(const std::string& DIRET) { return tem_unidade(DIRET) ? DIRET.substr(0, 2) : ""; }

std::string PASTA(const std::string& DIRET) {
  int L = ultimo(DIRET);
  if (!tem_unidade(DIRET)) return DIRET.substr(0, L);
  return L < 3 ? "" : DIRET.substr(2, L - 2);
}

std::string VISIVEL(const std::string& caminho, int linha, int coluna, int ultima) {
  const size_t lugar = (ultima - linha + 1) * Grelha::COLUNAS - (coluna - 1);
  if (caminho.size() <= lugar) return caminho;
  return "..." + caminho.substr(caminho.size() - (lugar - 3));
}

std::string PASTA_FIXA(const std::string& caminho) {
  return fixo(caminho, std::max<size_t>(TAM_DIRET, ultimo(caminho)));
}

void DIRETORIA_CORRENTE(std::string& DIRET0) {
  std::string c;
  DIRET0 = PASTA_FIXA(diretoria_corrente(c) ? c : "");
}

std::string FICHDIR(const std::string& DIRET0) {
  return ultimo(DIRET0) == 0 ? "" : apara(DIRET0) + "/diretoria.dat";
}

bool LE_DIRETORIA(const std::string& FICHDIR, std::string& DIRET) {
  if (!existe(FICHDIR)) return false;
  try {
    FicheiroLeitura f(FICHDIR);
    std::string r = f.registo("a pasta dos dados");
    if (ultimo(r) == 0) return false;
    DIRET = PASTA_FIXA(r);
    return true;
  } catch (const ErroFicheiro&) {
    return false;
  }
}

void RECARREGA_DIRETORIA(std::string& DIRET, std::string& DIRET0, int& IDEF) {
  DIRETORIA_CORRENTE(DIRET0);
  std::string aviso;
  if (!LE_DIRETORIA(FICHDIR(DIRET0), DIRET) || !abre_pasta(DIRET, aviso)) {
    DIRET = DIRET0;
    abre_pasta(DIRET0, aviso);
  }
  // What the opening could not put right is read before the menu comes.
  if (!aviso.empty()) {
    mensagem(aviso);
    ENTER();
    SALTA();
  }
  IDEF = 1;
}

bool ALTERA_DIR(const std::string& DIRET, const std::string& DIRET0) {
  if (FICHDIR(DIRET0).empty()) return false;
  try {
    FicheiroEscrita f(FICHDIR(DIRET0));
    f.registo(PASTA_FIXA(DIRET));
    f.registo(fI(0, 5) + "\t" + fI(0, 5));
    f.conclui();
    return true;
  } catch (const ErroFicheiro&) {
    return false;
  }
}

void DEFEIT(const std::string& DIRET0, std::string& DIRET) {
  SALTA();
  qw::escreve(" ALTERAR A LOCALIZAÇÃO DOS FICHEIROS DE DADOS"_w);
  qw::escreve("");
  qw::fq_settextposition(6, 4);
  qw::fq_outtext("Atualmente o programa irá procurar os ficheiros de dados:"_w);
  qw::fq_settextposition(8, 4);
  qw::fq_outtext("no disco ---------->");
  qw::fq_settextposition(10, 4);
  qw::fq_outtext("e na directoria --->");
  int32_t antes = qw::settextcolorrgb(COR(4));
  std::string unidade = UNIDADE(DIRET);
  qw::fq_settextposition(8, 25);
  qw::fq_outtext(unidade.empty() ? "" : unidade.substr(0, 1) + " ");
  qw::fq_settextposition(10, 25);
  qw::fq_outtext(VISIVEL(PASTA(DIRET), 10, 25, 10));
  qw::settextcolorrgb(antes);
  std::string aviso;
  for (;;) {
    qw::fq_settextposition(15, 4);
    qw::fq_outtext("Tecle <enter> para confirmar ou indique a nova área de trabalho"_w);
    qw::fq_settextposition(16, 4);
    qw::fq_outtext("(Ex: c:\\PALUDEX\\dados) ===> ");
    std::string resposta = qw::le_linha();
    if (ultimo(resposta) == 0) return;
    // A folder of any depth is taken whole, as the start folder is.
    if (abre_pasta(resposta, aviso)) {
      DIRET = PASTA_FIXA(resposta);
      break;
    }
    // Why, while errno still says it.
    const std::string porque =
        errno == EACCES ? "Não tem permissão para entrar na pasta "_w : "Não existe a pasta "_w;
    // The refused answer is wiped before the prompt is written again (to the end of the screen at most), and
    // the reason stays above the prompt, on a row of its own.
    const size_t RESTO = (Grelha::LINHAS - 16) * Grelha::COLUNAS + (Grelha::COLUNAS - 32 + 1);
    qw::fq_settextposition(16, 32);
    qw::fq_outtext(std::string(std::min(resposta.size(), RESTO), ' '));
    qw::fq_settextposition(13, 4);
    mensagem(porque + VISIVEL(apara(resposta), 13, 4 + static_cast<int>(porque.size()), 13));
  }
  const bool guardada = ALTERA_DIR(DIRET, DIRET0);
  if (guardada && aviso.empty()) return;
  qw::fq_settextposition(18, 4);
  if (!guardada) {
    const std::string nome = FICHDIR(DIRET0).empty() ? "diretoria.dat" : FICHDIR(DIRET0);
    // What of a long name fits the rows above the pause.
    mensagem("Não foi possível guardar a escolha em "_w + VISIVEL(nome, 19, 4, 28));
  }
  if (!aviso.empty()) mensagem(aviso);
  ENTER();
}
