// The caption buttons' sprites: 32-bit RGBA PNGs held as constants (drawn by assets/caption/make_sprites.py).
#pragma once

#include "toolkit/text.h"

enum class CaptionSprite { Help, Menu, Minimise, Maximise, Restore, Close };

// The PNG bytes of a sprite: 26 x 18 pixels, the close sprite 38 x 18. Static storage; never empty.
ByteView CaptionSprite_Png(CaptionSprite sprite);
