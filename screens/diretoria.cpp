#include <algorithm>
#include <cctype>
#include <cerrno>

#include "diretorias.h"
#include "mensagem.h"
#include "nomes_disco.h"
#include "registos.h"
#include "pasta_dados.h"
#include "rotinas_minhas.h"

namespace {
bool tem_unidade(const std::string& DIRET) {
  return DIRET.size() >= 2 && std::isalpha(static_cast<unsigned char>(DIRET[0])) && DIRET[1] == ':';
}

// Opens a folder (abre_pasta); "" when it is open, else the sentence that says why not, from what failed: the
// errno of the change of directory ("Não se pode entrar na pasta x: não existe.", the path shown as VISIVEL
// shows it in the room that the sentence leaves from row linha, column coluna, to the end of row ultima), or
// the entries that stand for one name of the path.
std::string tenta_abrir(const std::string& caminho, std::string& aviso, int linha, int coluna, int ultima) {
  try {
    if (abre_pasta(caminho, aviso)) return "";
  } catch (const NomeAmbiguo& e) {
    return e.aviso;
  }
  const std::string razao = razao_sistema(errno);
  const std::string inicio = "Não se pode entrar na pasta "_w, fim = (razao.empty() ? "" : ": " + razao) + ".";
  return inicio + VISIVEL(apara(caminho), linha, coluna + static_cast<int>(inicio.size() + fim.size()), ultima) + fim;
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
  try {
    if (!existe(FICHDIR)) return false;
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
  // The folder of the settings file that could not be opened, said once: the reloads that follow find it so
  // again without a word, until it opens or the settings file names another.
  static std::string dita;
  DIRETORIA_CORRENTE(DIRET0);
  std::string aviso;
  const bool guardada = LE_DIRETORIA(FICHDIR(DIRET0), DIRET);
  const std::string porque = guardada ? tenta_abrir(DIRET, aviso, 1, 1, Grelha::LINHAS) : "";
  std::string diz;
  if (!porque.empty() && apara(DIRET) != dita)
    diz = "A pasta dos dados guardada em "_w + FICHDIR(DIRET0) + " não pode ser usada. "_w + porque +
          " O programa continua na pasta de partida, "_w + apara(DIRET0) + ".";
  dita = porque.empty() ? "" : apara(DIRET);
  if (!guardada || !porque.empty()) {
    DIRET = DIRET0;
    // The start folder is the current directory: nothing to find by its name.
    abre_pasta(".", aviso);
  }
  // What could not be used or put right is read before the menu comes.
  if (!diz.empty()) mensagem(diz);
  if (!aviso.empty()) mensagem(aviso);
  if (!diz.empty() || !aviso.empty()) {
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
    const std::string porque = tenta_abrir(resposta, aviso, 13, 4, 13);
    if (porque.empty()) {
      DIRET = PASTA_FIXA(resposta);
      break;
    }
    // The refused answer is wiped before the prompt is written again (to the end of the screen at most), and
    // the reason stays above the prompt, on rows of its own: 13, and 14 for a long one.
    const size_t RESTO = (Grelha::LINHAS - 16) * Grelha::COLUNAS + (Grelha::COLUNAS - 32 + 1);
    qw::fq_settextposition(16, 32);
    qw::fq_outtext(std::string(std::min(resposta.size(), RESTO), ' '));
    const std::vector<std::string> linhas = linhas_mensagem(porque, 4);
    for (size_t i = 0; i < 2; ++i) {
      qw::fq_settextposition(13 + static_cast<int>(i), i == 0 ? 4 : 1);
      qw::fq_outtext(i < linhas.size() ? linhas[i] : std::string(Grelha::COLUNAS, ' '));
    }
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
