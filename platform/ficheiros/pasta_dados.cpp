#include "pasta_dados.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "cp1252.h"
#include "diretorias.h"
#include "nomes_disco.h"
#include "renomeacao.h"
#include "temporarios.h"
#include "texto.h"
#include "trinco.h"

namespace {

// The temporary files left by runs that died: those that bear the mark, are held by no process and are
// not waiting in a note.
void apaga_abandonados(int pasta, const std::vector<Renomeacao>& esperam) {
  for (const std::string& e : entradas_disco()) {
    std::string destino;
    const bool espera =
        std::any_of(esperam.begin(), esperam.end(), [&](const Renomeacao& r) { return r.temporario == e; });
    if (e_temporario(e, destino) && !espera && abandonado(pasta, e.c_str())) unlinkat(pasta, e.c_str(), 0);
  }
}

std::string aviso_de(const std::vector<Renomeacao>& esperam) {
  std::string nomes;
  for (const Renomeacao& r : esperam)
    nomes +=
        (nomes.empty() ? "" : ", ") + de_utf8(r.destino) + " (o ficheiro novo está em "_w + de_utf8(r.temporario) + ")";
  return "Não foi possível concluir uma gravação interrompida: "_w + nomes +
         ". Liberte o lugar (uma pasta com o mesmo nome, por exemplo): a gravação conclui-se quando a pasta for aberta de novo."_w;
}

}  // namespace

bool abre_pasta(const std::string& caminho, std::string& aviso) {
  aviso.clear();
  if (!muda_diretoria(caminho)) return false;
  const int pasta = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (pasta < 0) return true;
  {
    TrincoPasta trinco(pasta);
    SinaisRetidos retidos;
    std::vector<Renomeacao> nenhuma;
    const std::vector<Renomeacao> esperam = poe_no_lugar(pasta, nenhuma);
    apaga_abandonados(pasta, esperam);
    if (!esperam.empty()) aviso = aviso_de(esperam);
  }
  close(pasta);
  return true;
}
