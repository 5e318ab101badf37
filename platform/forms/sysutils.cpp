#include "sysutils.h"

#include "platform/system/codepage.h"

std::string Format(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(format.size() + 64);
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == 's' || format[i + 1] == 'd') &&
        next != args.end()) {
      out += *next++;
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (text.empty()) return text;
  if (static_cast<unsigned char>(text[LastCharStart(text)]) > '.') text += '.';
  return text;
}
