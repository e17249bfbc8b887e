// The title, world and players pages.
#pragma once

extern int menuPage;
extern int titleItem;
extern int worldChoice;
extern int playerChoice;
extern int spaceKeyLast;
extern int upKeyLast;
extern int downKeyLast;

void DrawMenuScreen();
void IdleMenu();
