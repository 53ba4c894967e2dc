// The calculation run, option 3 of the initial menu.
#pragma once
#include <string>

// Sets IERR to 1 when the user leaves it with the code "0".
void PALUDEC(int& IERR, const std::string& DIRET);
