// The title, world and players pages.
#pragma once

enum MenuPage { kMenuTitle = 0, kMenuWorld = 1, kMenuPlayers = 2, kMenuLeaving = 3 };

extern int menuPage;
extern int titleItem;
extern int worldChoice;
extern int playerChoice;
extern int spaceKeyLast;
extern int upKeyLast;
extern int downKeyLast;

// The display step of the menus: the current page and its keys.
void DrawMenuScreen();
// The idle step of the menus: loads the world once the fade-out is black.
void IdleMenu();

// One page each: draw it, then move its choice with the arrow keys.
void DoTitleMenu();
void DoWorldMenu();
void DoPlayersMenu();

// A page with the given row chosen.
void DrawTitleMenu(int item);
void DrawWorldMenu(int world);
void DrawPlayersMenu(int players);
