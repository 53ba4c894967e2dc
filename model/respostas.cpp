#include "respostas.h"

#include "consola.h"
#include "mensagem.h"
#include "teclado.h"
#include "texto.h"

char LETRA() {
  std::string linha = qw::le_linha();
  return linha.empty() ? ' ' : linha[0];
}

Leitura RESPOSTA_LIVRE(const std::function<void()>& ler, bool diz_ilegivel) {
  try {
    ler();
    return Leitura::LIDA;
  } catch (const VirgulaDecimal& e) {
    mensagem(std::string(5, ' ') + e.problema + ".");
    return Leitura::VIRGULAS;
  } catch (const ErroFicheiro& e) {
    if (diz_ilegivel) mensagem(std::string(5, ' ') + e.problema + ".");
    return Leitura::ILEGIVEL;
  }
}

namespace {

// One free-form read of one value from the typed lines; false when it is not taken.
template <class T>
bool teclado_livre(T (Livre::*le)(), T& valor) {
  Teclado t;
  Livre leitura(t);
  return RESPOSTA_LIVRE([&] { valor = (leitura.*le)(); }, true) == Leitura::LIDA;
}

template <class T>
T pergunta_livre(std::initializer_list<std::string> linhas, const std::string& prompt, bool (*le)(T&),
                 const Aceita<T>& aceita) {
  for (;;) {
    for (const std::string& l : linhas) qw::escreve(l);
    qw::pergunta(prompt);
    T valor{};
    if (!le(valor)) continue;
    std::string recusa;
    if (aceita(valor, recusa)) return valor;
    if (!recusa.empty()) mensagem(recusa);
  }
}

}  // namespace

bool NUMERO(float& valor) { return teclado_livre(&Livre::real, valor); }

bool INTEIRO(int32_t& valor) { return teclado_livre(&Livre::inteiro, valor); }

float PERGUNTA_REAL(std::initializer_list<std::string> linhas, const std::string& prompt, const Aceita<float>& aceita) {
  return pergunta_livre(linhas, prompt, NUMERO, aceita);
}

int32_t PERGUNTA_INTEIRO(std::initializer_list<std::string> linhas, const std::string& prompt,
                         const Aceita<int32_t>& aceita) {
  return pergunta_livre(linhas, prompt, INTEIRO, aceita);
}

bool CORRETOS() {
  qw::pergunta(std::string(10, ' ') + "Os dados estão corretos (S/N) "_w);
  char c = LETRA();
  return c != 'N' && c != 'n';
}

void CARREGUE() {
  mensagem("");
  mensagem("");
  mensagem(std::string(30, ' ') + "CARREGUE <ENTER> PARA CONTINUAR ");
  qw::le_linha();
}
