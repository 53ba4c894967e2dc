#include "ficheiro_escrita.h"

#include <sys/stat.h>
#include <unistd.h>

#include "erro.h"
#include "nomes_disco.h"
#include "renomeacao.h"
#include "temporarios.h"
#include "texto.h"

FicheiroEscrita::FicheiroEscrita(const std::string& nome)
    : nome_(nome), destino_(no_disco(nome)), temporario_(nome_temporario(destino_)) {
  nota_ = nota_temporario(temporario_);
  f_ = std::fopen(temporario_.c_str(), "wb");
  if (!f_) {
    esquece_temporario(nota_);
    throw ErroFicheiro(nome, 0, "não foi possível criar o ficheiro"_w);
  }
}

FicheiroEscrita::~FicheiroEscrita() {
  if (f_) std::fclose(f_);
  if (concluido_) return;
  unlink(temporario_.c_str());
  esquece_temporario(nota_);
}

void FicheiroEscrita::registo(const std::string& texto) {
  std::fwrite(texto.data(), 1, texto.size(), f_);
  std::fwrite("\r\n", 1, 2, f_);
}

void FicheiroEscrita::fecha() {
  // Flushed to disk before it is renamed: a power cut cannot leave a renamed but empty file.
  bool escrito = std::fflush(f_) == 0 && !std::ferror(f_) && fsync(fileno(f_)) == 0;
  escrito = std::fclose(f_) == 0 && escrito;
  f_ = nullptr;
  if (!escrito) throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro"_w);
  struct stat st;
  if (stat(destino_.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
    throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro (existe uma pasta com esse nome)"_w);
}

void FicheiroEscrita::conclui() { conclui_juntos({this}); }

void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros) {
  for (FicheiroEscrita* f : ficheiros) f->fecha();
  SinaisRetidos retidos;
  std::vector<Renomeacao> pares;
  for (FicheiroEscrita* f : ficheiros) pares.push_back({f->temporario_, f->destino_});
  renomeia_juntos(pares);
  for (size_t i = 0; i < pares.size(); ++i) {
    ficheiros[i]->concluido_ = pares[i].feita;
    if (pares[i].feita) esquece_temporario(ficheiros[i]->nota_);
  }
  for (size_t i = 0; i < pares.size(); ++i)
    if (!pares[i].feita) throw ErroFicheiro(ficheiros[i]->nome_, 0, "não foi possível escrever o ficheiro"_w);
}
