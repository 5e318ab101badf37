#pragma once

#include <string>

// The system's description of an error code in the user's language (from the locale), without
// trailing control characters, blanks and full stops; empty when the system has none or it is
// longer than 255 bytes.
std::string SysErrorMessage(int code);
