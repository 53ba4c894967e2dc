#include "pasta_dados.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "cp1252.h"
#include "diretorias.h"
#include "erro.h"
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

// Why a rename that waits failed, by what the user can do about it.
enum class Porque { LUGAR, ESCRITA, OUTRO };

Porque porque(int erro) {
  if (erro == EISDIR || erro == ENOTEMPTY || erro == ENOTDIR || erro == EEXIST) return Porque::LUGAR;
  if (erro == EACCES || erro == EPERM || erro == EROFS) return Porque::ESCRITA;
  return Porque::OUTRO;
}

// What waits, named by why its rename failed, each with what the user can do: a folder stands at its name
// (the new file named too, where the user finds it), the folder cannot be written, or what the system said.
std::string aviso_de(const std::vector<Renomeacao>& esperam) {
  const std::string DE_NOVO = "a gravação conclui-se quando a pasta for aberta de novo"_w;
  std::string frases;
  for (Porque p : {Porque::LUGAR, Porque::ESCRITA, Porque::OUTRO}) {
    std::string nomes;
    int n = 0, erro = 0;
    for (const Renomeacao& r : esperam) {
      if (porque(r.erro) != p) continue;
      nomes += (n++ == 0 ? "" : ", ") + de_utf8(r.destino);
      if (p == Porque::LUGAR) nomes += " (o ficheiro novo está em "_w + de_utf8(r.temporario) + ")";
      if (erro == 0) erro = r.erro;
    }
    if (n == 0) continue;
    const std::string espera = n == 1 ? " espera" : " esperam";
    std::string frase;
    if (p == Porque::LUGAR)
      frase = nomes + ". Liberte o lugar (uma pasta com o mesmo nome, por exemplo): " + DE_NOVO + ".";
    else if (p == Porque::ESCRITA)
      frase = nomes + espera + ": " + com_razao("a pasta não pode ser escrita"_w, erro) + "; " + DE_NOVO +
              " e puder ser escrita.";
    else
      frase = com_razao(nomes + espera, erro) + ": " + DE_NOVO + ".";
    frases += (frases.empty() ? "" : " ") + frase;
  }
  return "Não foi possível concluir uma gravação interrompida: "_w + frases;
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
