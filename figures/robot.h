// The Robot figure.
#pragma once

void LoadRobotTextures();
