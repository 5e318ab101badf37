#pragma once

#include <optional>
#include <string>

#include "platform/forms/classes.h"

// The list commands. Each takes a list's rows and its selected index (-1 for none) as the list
// controls give them, and does nothing, silently, where there is nothing to act on.

// Appends the entry box's text as the last pending row, unless the text is empty.
void AddItem(const std::string& text, TStrings& pending);

// Moves the selected row to the end of the other list. The append comes first: if it fails, the
// row stays where it was.
void MoveItem(TStrings& from, int selected, TStrings& to);

void DeleteItem(TStrings& rows, int selected);

// The selected row's text, for the entry box.
std::optional<std::string> PickItem(const TStrings& rows, int selected);
