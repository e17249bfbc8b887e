#include "players/pib.h"

void UpdatePib(int) {}
void QueueFallWobble(int) {}
