// Hidden gems and bands.
#pragma once

int GetGemsLeft();
void DiscoverGems(int p);
void PlaceBand(int p);
void UpdateBands();
int IsBandActive(int r, int c);
