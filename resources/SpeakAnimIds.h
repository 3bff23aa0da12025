// Resource ids of the speaking face dialog; its pictures are named
// resources (drawn by tools/bitmaps/face_bitmaps.py).
#pragma once

#define IDD_SPEAK_ANIM 142
