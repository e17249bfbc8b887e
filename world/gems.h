// Gems and bands on the borders between cells.
#pragma once

int GetGemsLeft();
void DiscoverGems(int p);
void PlaceBand(int p);
int IsBandActive(int r, int c);
