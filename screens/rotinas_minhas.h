// The screen toolkit: window set-up, clearing, pause, mouse menus, the data folder and its settings
// file, data-file names. Every routine that writes in a colour of its own restores the colour it found.
#pragma once
#include <cstdint>
#include <string>

#include "consola.h"
#include "entrada.h"
#include "filates.h"
#include "ordemd.h"
#include "tabela.h"
#include "texto.h"

// The palette: 1 red, 2 green, 3 yellow, 4 blue, 5 magenta, 6 cyan, 7 light grey, 8 black, 9 white.
extern const Tabela<int32_t, 9> COR;
// Dark red of the hints and the pause.
constexpr int32_t VERMELHO_ESCURO = 128;

// Window set-up: the title (the presentation screen gives its own), black text on white, blue drawing
// colour, cursor on.
void JANELA_BRANCA(const std::string& TITULO = " PROGRAMA NOME");
// Clears the whole screen; the next output begins at row 1, column 1.
void SALTA();
// Pause: "Pressione <ENTER> para continuar" at row 29, column 45; ends on Enter or a left click.
void ENTER();

// Generic menu: line I at row IROW0 + I from column ICOL0; returns in IOPT the code of the line clicked
// between columns ICOL0 and ICOLMAX (negative codes cannot be chosen); leaves the text position at
// IROWCUR, ICOLCUR (0 = below the menu, at ICOL0).
void MENUS(int NLIN, int IROW0, int ICOL0, int ICOLMAX, const Tabela<std::string, 25>& LINHAS,
           const Tabela<int32_t, 20>& IBAND, int IROWCUR, int ICOLCUR, int& IOPT);
// A title in red at a row and column, clearing the screen first when clear is not 0.
void MENUT(int linha, int coluna, const std::string& titulo, int clear);
// The initial menu (reloading the data folder first when IDEF is 0); options 1 to 5.
void M_MENU_INICIAL_PALUDEX(int& IOPT, std::string& DIRET, std::string& DIRET0, int& IDEF);
// How the number of days to flood the block is obtained: 1 typed, 2 from the flow.
void M_MENU_REGA_ALAGA(int& IOPT);
// Whether the irrigation data vary from year to year (1) or stay the same (2).
void M_MENU_REGA_CONST(int& IOPT);

// Folder paths are blank-padded to 264 characters.
constexpr size_t TAM_DIRET = 264;
// A path as the folders keep it: padded to 264 characters, and whole when it is longer.
std::string PASTA_FIXA(const std::string& caminho);
// The current directory into DIRET0; blanks when it cannot be taken (a folder that was removed).
void DIRETORIA_CORRENTE(std::string& DIRET0);
// The settings file of a start folder: DIRET0 without its trailing blanks, then "/diretoria.dat";
// empty for a blank DIRET0, which names no folder.
std::string FICHDIR(const std::string& DIRET0);
// Record 1 of the settings file, whole, into DIRET; false when the file is absent, unreadable or its
// first record is empty, or when two folders of its path read as one name.
bool LE_DIRETORIA(const std::string& FICHDIR, std::string& DIRET);
// Reload of the data folder (before the initial menu when IDEF is 0): sets DIRET0, DIRET, the
// current directory and IDEF = 1. The folder is opened (abre_pasta): what it could not put right there
// is said before the menu, with a pause, and so is a folder named in the settings file that cannot be
// opened (the start folder is then the data folder), once for as long as it stays so.
void RECARREGA_DIRETORIA(std::string& DIRET, std::string& DIRET0, int& IDEF);
// Option 4: change of the data folder, kept in the settings file of the start folder.
void DEFEIT(const std::string& DIRET0, std::string& DIRET);
// Writes the settings file into the start folder; false when it cannot be written.
bool ALTERA_DIR(const std::string& DIRET, const std::string& DIRET0);
// Drive and folder of a path as the screens show them: a path that does not begin with a letter and
// a colon has no drive, and all of it is the folder.
std::string UNIDADE(const std::string& DIRET);
std::string PASTA(const std::string& DIRET);
// What of a path fits on the screen from a row and column to the end of row ultima: all of it, or
// "..." and its end.
std::string VISIVEL(const std::string& caminho, int linha, int coluna, int ultima);

// Data-file name: the code without its trailing blanks, "_", the type and ".txt", padded to tamanho.
void LIMPAM(std::string& nome, const std::string& CODIGO, const std::string& tipo, size_t tamanho = 110);
// Removes the blanks from the first count characters of TEXTO, blank-filling the rest.
void LIMPA(std::string& TEXTO, int count);
