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
bool teclado_livre(T (Livre::*le)(), T& valor, bool diz_ilegivel) {
  Teclado t;
  Livre leitura(t);
  return RESPOSTA_LIVRE([&] { valor = (leitura.*le)(); }, diz_ilegivel) == Leitura::LIDA;
}

template <class T>
T pergunta_livre(std::initializer_list<std::string> linhas, const std::string& prompt, bool (*le)(T&, bool),
                 const Aceita<T>& aceita, bool diz_ilegivel) {
  for (;;) {
    for (const std::string& l : linhas) qw::escreve(l);
    qw::pergunta(prompt);
    T valor{};
    if (!le(valor, diz_ilegivel)) continue;
    std::string recusa;
    if (aceita(valor, recusa)) return valor;
    if (!recusa.empty()) mensagem(recusa);
  }
}

}  // namespace

bool NUMERO(float& valor, bool diz_ilegivel) { return teclado_livre(&Livre::real, valor, diz_ilegivel); }

bool INTEIRO(int32_t& valor, bool diz_ilegivel) { return teclado_livre(&Livre::inteiro, valor, diz_ilegivel); }

float PERGUNTA_REAL(std::initializer_list<std::string> linhas, const std::string& prompt, const Aceita<float>& aceita,
                    bool diz_ilegivel) {
  return pergunta_livre(linhas, prompt, NUMERO, aceita, diz_ilegivel);
}

int32_t PERGUNTA_INTEIRO(std::initializer_list<std::string> linhas, const std::string& prompt,
                         const Aceita<int32_t>& aceita, bool diz_ilegivel) {
  return pergunta_livre(linhas, prompt, INTEIRO, aceita, diz_ilegivel);
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
