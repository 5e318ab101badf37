#include "ansi.h"

#include "platform/system/codepage.h"

QString FromAnsi(std::string_view bytes) {
  if (AnsiIsUtf8()) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  std::u16string text = AnsiToUtf16(bytes);
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> ToAnsi(const QString& text) {
  return Utf16ToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
}
