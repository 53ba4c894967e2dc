#include "ficheiro_escrita.h"

#include <unistd.h>

#include <cstdio>

#include "cp1252.h"
#include "diretorias.h"
#include "erro.h"
#include "temporarios.h"
#include "texto.h"

FicheiroEscrita::FicheiroEscrita(const std::string& nome) : nome_(nome) {
  size_t barra = nome.rfind('/');
  std::string pasta = barra == std::string::npos ? "" : nome.substr(0, barra + 1);
  std::string base = barra == std::string::npos ? nome : nome.substr(barra + 1);
  temporario_ = pasta + "." + base + "." + std::to_string(getpid()) + ".tmp";
  nota_ = nota_temporario(para_utf8(temporario_));
  f_.open(para_utf8(temporario_), std::ios::binary | std::ios::trunc);
  if (!f_) {
    esquece_temporario(nota_);
    throw ErroFicheiro(nome, 0, "não foi possível criar o ficheiro"_w);
  }
}

FicheiroEscrita::~FicheiroEscrita() {
  if (concluido_) return;
  f_.close();
  std::remove(para_utf8(temporario_).c_str());
  esquece_temporario(nota_);
}

void FicheiroEscrita::registo(const std::string& texto) { f_ << texto << "\r\n"; }

void FicheiroEscrita::fecha() {
  f_.close();
  if (f_.fail()) throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro"_w);
  if (existe_pasta(nome_))
    throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro (existe uma pasta com esse nome)"_w);
}

void FicheiroEscrita::poe_no_lugar() {
  if (std::rename(para_utf8(temporario_).c_str(), para_utf8(nome_).c_str()) != 0)
    throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro"_w);
  concluido_ = true;
  esquece_temporario(nota_);
}

void FicheiroEscrita::conclui() { conclui_juntos({this}); }

void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros) {
  for (FicheiroEscrita* f : ficheiros) f->fecha();
  SinaisRetidos retidos;
  for (FicheiroEscrita* f : ficheiros) f->poe_no_lugar();
}
