// Hidden gems and bands.
#pragma once

int GetGemsLeft();
void UpdateBands();
