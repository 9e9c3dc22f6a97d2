// The pictures and pages compiled into the program.
#pragma once

// Registers the program's compiled-in resources (":/..."). They live in a
// static library, whose automatic registration the linker may drop, so every
// loader calls this first; calls after the first do nothing.
void EnsureVorkelResources();
