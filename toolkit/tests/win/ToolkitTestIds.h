// Resource ids of the toolkit tests' own bitmaps.
#pragma once

#define IDB_TEST_SYSCOLOR24 200
#define IDB_TEST_SYSCOLOR8 201
#define IDB_TEST_SYSCOLOR8_SHORT 202
#define IDB_TEST_SYSCOLOR4_V5 203
