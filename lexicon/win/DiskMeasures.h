// What the start-up build asks of the disk: its free space and its speed.
#pragma once

#include <windows.h>

// The bytes free to the caller on the volume that holds the folder (a
// drive or UNC path); 0 when neither query answers.
ULONGLONG FreeBytesOfFolder(LPCSTR folder);

// Milliseconds to write 100 bytes 4096 times over the start of a temporary
// file, which is removed afterwards.
DWORD MeasureWriteTime();
