// The crop-file dialogue (option 1) of the initial menu.
#pragma once

// Sets IERR to 1 when the user leaves it with the code "0".
void CRIA_CULTURA(int& IERR);
