// Gems and bands on the borders between cells.
#pragma once

#include "world/gems_bands.h"
