// The players' following cameras.
#pragma once

// 1 while pib p's figure is left out of every view.
int IsPibModelHidden(int p);
