// The row that says why nothing happens while the program waits for another one that writes in the data
// folder; the file layer tells it (avisa_espera).
#pragma once

// esperando: the row is shown at the foot of the text window; otherwise the window comes back as it was.
void linha_espera(bool esperando);
