// STAND-INS for the figures, which are not built yet.
