#include "commands.h"

void AddItem(const std::string& text, TStrings& pending) {
  if (text.empty()) return;
  pending.Add(text);
}

void MoveItem(TStrings& from, int selected, TStrings& to) {
  if (selected < 0) return;
  to.Add(from[selected]);
  from.Delete(selected);
}

void DeleteItem(TStrings& rows, int selected) {
  if (selected < 0) return;
  rows.Delete(selected);
}

std::optional<std::string> PickItem(const TStrings& rows, int selected) {
  if (selected < 0) return std::nullopt;
  return std::string(rows[selected]);
}
