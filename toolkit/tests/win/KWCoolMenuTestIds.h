// Resource ids of the owner-drawn menu tests: a menu whose commands share
// the test toolbar's images, with rarely used commands for personalised menus.
#pragma once

#define IDR_KWTEST_COOLMENU 220
#define ID_KWTEST_COOL_CHECKED 40020
#define ID_KWTEST_COOL_INNER 40021
#define ID_KWTEST_COOL_RARE1 40022
#define ID_KWTEST_COOL_RARE2 40023
#define ID_KWTEST_COOL_CUT 40024
#define ID_KWTEST_COOL_COPY 40025
