// The file chooser: the data files of one type in the data folder, listed as their codes in a grid of
// pages, one of them picked with the mouse (or a name typed, or "0" to go back).
#pragma once
#include <cstdint>
#include <string>

#include "tabela.h"

// The chooser lists at most this many files: the first ones in name order.
constexpr int MAX_FICHEIROS = 190;
using LISTA_FICHEIROS = Tabela<std::string, MAX_FICHEIROS>;

// Shows the files that match NOMEXP ("*" + type + ".txt") and returns in NOMFILE (98 characters) the code
// clicked and confirmed, the line typed after the first "<aqui>", "0" from the second, blanks from a press
// at pixel (1, 0), or NOMFILE as given when the prompt row is clicked before any code. IERR = 1, NOMFILE
// untouched and no wait, when no file matches. IMODO is 1, the only mode. AVISO, when the caller gives one,
// is a message of one row under the separator, above the prompt (why the chooser comes again).
void FILATES(const std::string& NOMEXP, std::string& NOMFILE, const std::string& PERGUNTA, int IMODO, int& IERR,
             const std::string& AVISO = "");

// The listing into FILS and N: each name less its last 8 characters ("_", type, ".txt"); MAXSTRING is
// raised to the longest name less 2. Nothing found: the message at row 4, IPOSY = 4 and IERR = 1.
void GETFILES(const std::string& NOMEXP, LISTA_FICHEIROS& FILS, int& N, int& IERR, int& MAXSTRING, int& IPOSY);

// Grid row K (text row ((K - 1) mod 20) + 4): its NUMCOL slots, STRIDE columns apart, each written as its
// whole 102-character field; I is the table index of its last slot, K * NUMCOL.
void WRFILS(int K, int NUMCOL, int STRIDE, const LISTA_FICHEIROS& FILS, int& I);
