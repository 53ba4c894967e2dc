// Messages of the program's own on the text window: broken at blanks within the 100 columns, on rows that
// hold nothing else.
#pragma once
#include <string>
#include <vector>

// The rows of a message written from column coluna: the first from coluna, the others whole, their text
// under the first row's text (after its leading blanks). Rows break at a blank, the blanks of the break
// dropped; a word longer than a row is cut only at column 100. Every row is blank to column 100.
std::vector<std::string> linhas_mensagem(const std::string& texto, int coluna);

// Writes a message as records from the text position (see linhas_mensagem); the next output begins at
// column 1 of the row after it. An empty message blanks the rest of its row.
void mensagem(const std::string& texto);
