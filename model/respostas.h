// Typed answers shared by the dialogues: one character, a question answered by one number, the
// confirmation and the pause.
#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

// The first character of the typed line; a blank when the line is empty.
char LETRA();

// What became of a typed answer.
enum class Leitura { LIDA, ILEGIVEL, VIRGULAS };
// Runs ler, which reads values from the typed lines, in free form or by columns: ILEGIVEL when a value
// cannot be read, after a line that says so when diz_ilegivel; VIRGULAS when the answer was written with
// decimal commas, after a line that says so whatever diz_ilegivel, so that no question asks it again
// without a word.
Leitura RESPOSTA_LIVRE(const std::function<void()>& ler, bool diz_ilegivel = false);

// A free-form number from the typed lines (an empty line gives none, the next line is read); false,
// after a line that says why, when the answer cannot be read or holds decimal commas, so that the
// dialogue asks it again.
bool NUMERO(float& valor);
bool INTEIRO(int32_t& valor);

// What a question makes of the number typed: true to take it; false to ask again, after the line
// recusa when it is set.
template <class T>
using Aceita = std::function<bool(T valor, std::string& recusa)>;
// A question answered by one free-form number: its lines and its prompt are written again while the answer cannot be
// read (after a line that says why) or is not taken.
float PERGUNTA_REAL(std::initializer_list<std::string> linhas, const std::string& prompt, const Aceita<float>& aceita);
int32_t PERGUNTA_INTEIRO(std::initializer_list<std::string> linhas, const std::string& prompt,
                         const Aceita<int32_t>& aceita);

// "Os dados estão corretos (S/N) ", 10 blanks in; false when answered "N" or "n".
bool CORRETOS();
// Two empty lines, "CARREGUE <ENTER> PARA CONTINUAR " 30 blanks in, and a wait for a typed line. The three
// rows hold nothing else: the pause may follow any screen.
void CARREGUE();
