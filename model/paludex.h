// The main program: window set-up, start and data folders, and the loop on the initial menu.
#pragma once

void PALUDEX();
