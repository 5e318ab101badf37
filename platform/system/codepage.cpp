#include "codepage.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <cwchar>
#include <iconv.h>
#include <langinfo.h>

namespace {

struct CodePage {
  std::string name;
  bool utf8 = false;
  iconv_t decoder = reinterpret_cast<iconv_t>(-1);
  iconv_t encoder = reinterpret_cast<iconv_t>(-1);

  ~CodePage() {
    if (decoder != reinterpret_cast<iconv_t>(-1)) iconv_close(decoder);
    if (encoder != reinterpret_cast<iconv_t>(-1)) iconv_close(encoder);
  }
};

// One user-interface thread converts; tests of other threads get their own state.
thread_local CodePage* current = nullptr;

CodePage& Current() {
  if (!current) {
    auto* cp = new CodePage;
    const char* name = nl_langinfo(CODESET);
    cp->name = (name && *name) ? name : "UTF-8";
    if (cp->name == "ANSI_X3.4-1968" || cp->name == "ASCII" || cp->name == "UTF-8" ||
        cp->name == "utf8") {
      cp->name = "UTF-8";
      cp->utf8 = true;
    }
    current = cp;
  }
  return *current;
}

// Straightforward UTF-8 decoding with one U+FFFD per invalid byte.
void DecodeUtf8(std::string_view in, std::u16string& out) {
  const auto* p = reinterpret_cast<const unsigned char*>(in.data());
  const auto* end = p + in.size();
  while (p < end) {
    unsigned c = *p;
    if (c < 0x80) {
      out.push_back(static_cast<char16_t>(c));
      ++p;
      continue;
    }
    int len = 0;
    unsigned cp = 0;
    unsigned min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4, cp = c & 0x07, min = 0x10000;
    }
    bool ok = len > 0 && end - p >= len;
    for (int i = 1; ok && i < len; ++i) {
      if ((p[i] & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(u'\uFFFD');
      ++p;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    p += len;
  }
}

std::optional<std::string> EncodeUtf8(std::u16string_view in) {
  std::string out;
  out.reserve(in.size() * 3);
  for (std::size_t i = 0; i < in.size(); ++i) {
    unsigned c = in[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
        in[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (in[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      return std::nullopt;  // a lone surrogate has no UTF-8 form
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

iconv_t Open(const char* to, const char* from) { return iconv_open(to, from); }

}  // namespace

const std::string& AnsiCodeSet() { return Current().name; }

bool AnsiIsUtf8() { return Current().utf8; }

void ResetAnsiCodePage() {
  delete current;
  current = nullptr;
}

std::u16string AnsiToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  CodePage& cp = Current();
  if (cp.utf8) {
    DecodeUtf8(bytes, out);
    return out;
  }
  if (cp.decoder == reinterpret_cast<iconv_t>(-1)) cp.decoder = Open("UTF-16LE", cp.name.c_str());
  if (cp.decoder == reinterpret_cast<iconv_t>(-1)) {
    for (unsigned char c : bytes) out.push_back(c < 0x80 ? c : u'\uFFFD');
    return out;
  }
  iconv(cp.decoder, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char16_t buffer[512];
  while (inLeft > 0) {
    char* outPtr = reinterpret_cast<char*>(buffer);
    std::size_t outLeft = sizeof buffer;
    std::size_t r = iconv(cp.decoder, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, (sizeof buffer - outLeft) / sizeof(char16_t));
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // EILSEQ or an incomplete sequence at the end: one replacement per bad byte.
      out.push_back(u'\uFFFD');
      ++in;
      --inLeft;
      iconv(cp.decoder, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

std::optional<std::string> Utf16ToAnsi(std::u16string_view text) {
  CodePage& cp = Current();
  if (cp.utf8) return EncodeUtf8(text);
  if (cp.encoder == reinterpret_cast<iconv_t>(-1)) cp.encoder = Open(cp.name.c_str(), "UTF-16LE");
  if (cp.encoder == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  iconv(cp.encoder, nullptr, nullptr, nullptr, nullptr);
  std::string out;
  char* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
  std::size_t inLeft = text.size() * sizeof(char16_t);
  char buffer[1024];
  for (bool flushing = false;;) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t r = flushing ? iconv(cp.encoder, nullptr, nullptr, &outPtr, &outLeft)
                             : iconv(cp.encoder, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, sizeof buffer - outLeft);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      return std::nullopt;
    }
    if (flushing) break;
    flushing = inLeft == 0;
  }
  return out;
}

std::size_t LastCharStart(std::string_view bytes) {
  if (bytes.empty()) return 0;
  if (AnsiIsUtf8()) {
    // Back over at most three continuation bytes to a lead byte that claims them.
    std::size_t i = bytes.size() - 1;
    std::size_t stop = bytes.size() >= 4 ? bytes.size() - 4 : 0;
    while (i > stop && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80) --i;
    auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (lead >= 0xC2 && lead <= 0xF4 && bytes.size() - i == want) return i;
    return bytes.size() - 1;
  }
  std::mbstate_t state{};
  std::size_t last = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    last = i;
    std::size_t n = std::mbrlen(bytes.data() + i, bytes.size() - i, &state);
    if (n == 0 || n > bytes.size() - i) {
      n = 1;
      state = std::mbstate_t{};
    }
    i += n;
  }
  return last;
}
