// The calculation run, option 3 of the initial menu.
#pragma once
#include <string>

// Sets IERR to 1 when the user leaves it with the code "0". DIRET, the data folder, is the current directory
// too, where the run opens every file by its name: nothing in the run reads it.
void PALUDEC(int& IERR, const std::string& DIRET);
