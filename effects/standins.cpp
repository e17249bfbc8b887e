// STAND-INS for the particle effects, which are not built yet.
#include "effects/spark_emitter.h"

void LoadSparkTextures() {}
