// The one error of the system: a file that cannot be read, created or written, or whose contents are refused.
// Options catch it, show its message and go back to the initial menu; dialogues ask their answer again.
#pragma once
#include <stdexcept>
#include <string>

class ErroFicheiro : public std::runtime_error {
 public:
  // ficheiro: the file's name (empty for a typed answer); linha: its line, 0 when none applies.
  ErroFicheiro(const std::string& ficheiro, int linha, const std::string& problema);
  // A call of the system that failed with errno erro: problema with its reason (com_razao).
  ErroFicheiro(const std::string& ficheiro, int linha, const std::string& problema, int erro);
  std::string ficheiro;
  int linha;
  std::string problema;
  // "Erro no ficheiro x_pre.txt, linha 7: ...", in Windows-1252.
  std::string mensagem() const;
};

// Why a call of the system failed, said from its errno as a message puts it after its own words (Windows-1252):
// "não há espaço no disco" for ENOSPC, for instance. Empty for an errno the program has no words of its own for.
std::string razao_sistema(int erro);
// The words of a message followed by that reason in parentheses, when there is one.
std::string com_razao(const std::string& texto, int erro);
