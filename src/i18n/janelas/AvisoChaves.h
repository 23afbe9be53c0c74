#pragma once

// The box "<key> NÃO LOCALIZADO" for every lookup of a key the dictionary does not hold, shown on
// the next turn of the event loop (never inside the lookup, which may run while a window paints).
void InstalaAvisoChavesDesconhecidas();
