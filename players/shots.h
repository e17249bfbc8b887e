// Shots and impact bursts.
#pragma once

void InitShots();
