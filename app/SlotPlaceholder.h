#pragma once

#include "platform/Bitmap.h"

// The 900 x 900 picture of an empty slot: its number in green on pale yellow.
Bitmap SlotPlaceholder(int number);
