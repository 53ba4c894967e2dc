#include "ficheiro_escrita.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "cp1252.h"
#include "diretorias.h"
#include "erro.h"
#include "nomes_disco.h"
#include "renomeacao.h"
#include "temporarios.h"
#include "texto.h"
#include "trinco.h"

namespace {

const std::string NAO_CRIADO = "não foi possível criar o ficheiro"_w,
                  NAO_ESCRITO = "não foi possível escrever o ficheiro"_w;

// A file of someone else's at the note's name, which the user can remove: the program puts no set beside it.
std::string nota_alheia() { return NAO_ESCRITO + " (há na pasta um "_w + NOME_NOTA + " que não é do programa)"_w; }

// The folder of a name on disk and its entry there.
std::string pasta_de(const std::string& disco) {
  const size_t barra = disco.rfind('/');
  return barra == std::string::npos ? "." : barra == 0 ? "/" : disco.substr(0, barra);
}

std::string entrada_de(const std::string& disco) { return disco.substr(disco.rfind('/') + 1); }

bool pasta_em(int pasta, const std::string& entrada) {
  struct stat st;
  return fstatat(pasta, entrada.c_str(), &st, 0) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

FicheiroEscrita::FicheiroEscrita(const std::string& nome) {
  const std::string disco = no_disco(nome);
  nome_ = de_utf8(disco);
  destino_ = entrada_de(disco);
  pasta_ = open(pasta_de(disco).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int fd = -1, erro = errno;  // why the folder cannot be opened, when it cannot
  if (pasta_ >= 0) {
    // Created and locked while no other instance tidies the folder.
    TrincoPasta trinco(pasta_);
    fd = cria_temporario(pasta_, destino_, temporario_, nota_);
    erro = errno;  // EMFILE too when the table of noted temporary files is full
    if (fd >= 0) tranca(fd);
  }
  if (fd >= 0 && (f_ = fdopen(fd, "wb"))) return;
  if (fd >= 0) {
    erro = errno;
    close(fd);
    unlinkat(pasta_, temporario_.c_str(), 0);
  }
  esquece_temporario(nota_);
  if (pasta_ >= 0) close(pasta_);
  throw ErroGravacao(nome_, NAO_CRIADO, erro, true);
}

FicheiroEscrita::~FicheiroEscrita() {
  if (f_) std::fclose(f_);
  if (!concluido_) unlinkat(pasta_, temporario_.c_str(), 0);
  esquece_temporario(nota_);
  close(pasta_);
}

void FicheiroEscrita::registo(const std::string& texto) {
  // The first failure says why: by the time the file is closed, errno may say something else.
  const bool escrito =
      std::fwrite(texto.data(), 1, texto.size(), f_) == texto.size() && std::fwrite("\r\n", 1, 2, f_) == 2;
  if (!escrito && erro_ == 0) erro_ = errno;
}

void FicheiroEscrita::fecha() {
  // Flushed to disk before it is renamed: a power cut cannot leave a renamed but empty file.
  if (std::fflush(f_) != 0 && erro_ == 0) erro_ = errno;
  if (erro_ == 0 && fsync(fileno(f_)) != 0) erro_ = errno;
  if (std::fclose(f_) != 0 && erro_ == 0) erro_ = errno;
  f_ = nullptr;
  if (erro_ != 0) throw ErroGravacao(nome_, NAO_ESCRITO, erro_, true);
  if (pasta_em(pasta_, destino_)) throw ErroGravacao(nome_, NAO_ESCRITO, EISDIR, true);
}

void FicheiroEscrita::conclui() { conclui_juntos({this}); }

void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros) {
  const int pasta = ficheiros.front()->pasta_;
  TrincoPasta trinco(pasta);
  for (FicheiroEscrita* f : ficheiros) f->fecha();
  std::vector<Renomeacao> pares;
  for (FicheiroEscrita* f : ficheiros) pares.push_back({f->temporario_, f->destino_});
  {
    SinaisRetidos retidos;
    poe_no_lugar(pasta, pares);
    for (size_t i = 0; i < pares.size(); ++i) {
      ficheiros[i]->concluido_ = pares[i].feita;
      if (pares[i].feita) {
        esquece_temporario(ficheiros[i]->nota_);
        ficheiros[i]->nota_ = 0;
      }
    }
  }
  const bool intactos = std::none_of(pares.begin(), pares.end(), [](const Renomeacao& r) { return r.feita; });
  for (size_t i = 0; i < pares.size(); ++i) {
    if (pares[i].feita) continue;
    if (pares[i].erro == NOTA_ALHEIA) throw ErroGravacao(ficheiros[i]->nome_, nota_alheia(), 0, intactos);
    throw ErroGravacao(ficheiros[i]->nome_, NAO_ESCRITO, pares[i].erro, intactos);
  }
}

void confere_destino(const std::string& nome) {
  if (existe_pasta(nome)) throw ErroGravacao(no_programa(nome), NAO_ESCRITO, EISDIR, true);
}
