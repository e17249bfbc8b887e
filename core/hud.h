// The strip across the top of the game screen: each player's icon, count,
// name and energy bar, and the number of gems left.
#pragma once

#include <string>

void DrawHud();

// What the strip writes, kept apart from the drawing.
// A score in at least two digits; the strip grows to the right for 100 on.
std::string ScoreText(int score);
// Lives as one digit.
std::string LivesText(int lives);
// Gems left as three digits, held within 0 to 999.
std::string GemsLeftText(int gemsLeft);
// The filled part of the energy bar: 100 fills its 120 units, and it never
// reaches back past its start.
double EnergyBarLength(double energy);
