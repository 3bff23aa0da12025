// The system libraries Zulta.exe imports, imported by the bare window program
// too, so that Wine loads the same set for both.
#pragma once

// Takes the address of one function of each library: the linker then keeps
// the library among the program's imports.
void TouchSystemLibraries();
