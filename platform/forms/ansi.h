#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Bytes of the ANSI code page to and from Qt's text, for display only.
QString FromAnsi(std::string_view bytes);

// nullopt when a character has no form in the code page.
std::optional<std::string> ToAnsi(const QString& text);
