// Text record files: read by fixed columns (Iw, Fw.d, Aw) or in free form, written by fixed columns.
// Records are lines, written with CR LF and read with CR LF or LF; the text is Windows-1252 (read as UTF-8 after
// the UTF-8 mark).
#pragma once
#include "escrita_campos.h"
#include "ficheiro_escrita.h"
#include "ficheiro_leitura.h"
#include "leitura_campos.h"
