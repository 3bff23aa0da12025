#include "tables/core/KtivKhaser.h"

int g_ktivKhaser = 0;
