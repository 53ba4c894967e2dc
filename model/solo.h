// The soil-file dialogue (option 2) of the initial menu.
#pragma once

// Sets IERR to 1 when the user leaves it with the code "0".
void SOLO(int& IERR);
