#include "syserror.h"

#include <clocale>
#include <cstring>
#include <locale.h>
#include <string_view>

namespace {

class Locale {
 public:
  explicit Locale(const char* name) : locale_(newlocale(LC_ALL_MASK, name, locale_t(nullptr))) {}
  ~Locale() {
    if (locale_) freelocale(locale_);
  }
  Locale(const Locale&) = delete;
  Locale& operator=(const Locale&) = delete;
  locale_t get() const { return locale_; }

 private:
  locale_t locale_;
};

}  // namespace

std::string SysErrorMessage(int code) {
  // A code the system has no text for reads "Unknown error N" in its own words.
  static const Locale c("C");
  if (!c.get() || std::string_view(strerror_l(code, c.get())).starts_with("Unknown error"))
    return {};
  Locale user("");
  std::string text = strerror_l(code, user.get() ? user.get() : c.get());
  while (!text.empty() &&
         (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
    text.pop_back();
  if (text.size() > 255) text.clear();
  return text;
}
