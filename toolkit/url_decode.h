// Decoding of downloaded pages: percent escapes, then UTF-8, into code page 936 text.
#pragma once

#include "toolkit/text.h"

#include <string_view>

// Every "%XY" becomes the byte it names, then the bytes are read as UTF-8 and written in code page 936.
// Digits fold ASCII case; a byte that is no hexadecimal digit counts -2 and a digit past the end counts 0, the
// byte being taken modulo 256. A byte of 0 adds nothing. "+" and HTML entities are left alone. Invalid UTF-8
// becomes replacement characters and characters code page 936 lacks become its default character.
// The text ends at its first NUL. Never fails; linear in the length of the text.
Text Text_DecodeUrlUtf8(std::string_view text);
