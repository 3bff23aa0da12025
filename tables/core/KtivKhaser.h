// The program-wide spelling switch of the grammar views: 0 pointed
// spelling, 1 Ktiv-Khaser (the plene, unpointed spelling). "&Ktiv-Khaser"
// toggles it; every grammar view reads it when it builds and draws.
#pragma once

extern int g_ktivKhaser;
