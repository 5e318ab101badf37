#pragma once

#include <string>
#include <string_view>

// The full path the system makes of a file name: a relative name joined to the current
// directory as the user reached it (no link is resolved).
std::string ExpandFileName(std::string_view name);
