#include "classes.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "sysutils.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

// The first CR, LF or zero byte in [p, end), or end. Sixteen bytes at a time where the processor
// allows: splitting a large file is the one hot loop of loading it.
const char* FindLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  while (end - p >= 16) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                               _mm_cmpeq_epi8(v, nul));
    if (int mask = _mm_movemask_epi8(hit)) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  while (p < end && *p != '\r' && *p != '\n' && *p != '\0') ++p;
  return p;
}

// Calls line(begin, end) for every line of the text, by the rules of SetText.
template <class Line>
void ForEachLine(const char* p, const char* end, Line&& line) {
  while (p < end && *p != '\0') {
    const char* stop = FindLineEnd(p, end);
    line(p, stop);
    p = stop;
    if (p < end && *p == '\r') ++p;
    if (p < end && *p == '\n') ++p;
  }
}

}  // namespace

TStrings::TStrings() = default;
TStrings::~TStrings() = default;

void TStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError(Format(SListIndexError, {std::to_string(index)}));
}

std::string_view TStrings::Get(int index) const {
  CheckIndex(index);
  const Row& row = rows_[static_cast<std::size_t>(index)];
  return {row.data, row.size};
}

const char* TStrings::Store(std::string_view text) {
  if (text.empty()) return "";
  if (text.size() > kBlockSize / 4) {
    // A long row gets a block of its own, so the current block's space is not wasted.
    auto block = std::make_unique_for_overwrite<char[]>(text.size());
    std::memcpy(block.get(), text.data(), text.size());
    blocks_.push_back(std::move(block));
    return blocks_.back().get();
  }
  if (freeSize_ < text.size()) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
    free_ = blocks_.back().get();
    freeSize_ = kBlockSize;
  }
  char* at = free_;
  std::memcpy(at, text.data(), text.size());
  free_ += text.size();
  freeSize_ -= text.size();
  return at;
}

int TStrings::Add(std::string_view text) {
  if (Count() >= maxCount_) throw EStringListError(std::string(SInsertLineError));
  if (rows_.size() == rows_.capacity()) rows_.reserve(std::max<std::size_t>(16, rows_.size() * 2));
  const char* data = Store(text);
  const int index = Count();
  if (!Updating() && observer_) observer_->RowsInserting(index, index);
  rows_.push_back({data, text.size()});
  if (!Updating() && observer_) observer_->RowsInserted(index, index);
  return index;
}

void TStrings::Delete(int index) {
  CheckIndex(index);
  if (!Updating() && observer_) observer_->RowsRemoving(index, index);
  rows_.erase(rows_.begin() + index);
  if (index < textRows_) --textRows_;
  if (!Updating() && observer_) observer_->RowsRemoved(index, index);
}

void TStrings::Clear() {
  const int count = Count();
  if (!Updating() && observer_ && count > 0) observer_->RowsRemoving(0, count - 1);
  rows_.clear();
  rows_.shrink_to_fit();
  textRows_ = 0;
  blocks_.clear();
  free_ = nullptr;
  freeSize_ = 0;
  if (!Updating() && observer_ && count > 0) observer_->RowsRemoved(0, count - 1);
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0 && observer_) observer_->Changing();
}

void TStrings::EndUpdate() {
  if (--updateCount_ == 0 && observer_) observer_->Changed();
}

void TStrings::SetText(std::unique_ptr<char[]> text, std::size_t size) {
  TStringsUpdate update(*this);
  Clear();
  if (size == 0) return;
  const char* begin = text.get();
  const char* end = begin + size;
  blocks_.push_back(std::move(text));

  // Counting first costs one more fast pass and saves growing the row index, which for a large
  // file is both slower and a larger peak of memory.
  std::size_t lines = 0;
  ForEachLine(begin, end, [&](const char*, const char*) { ++lines; });
  rows_.reserve(std::min<std::size_t>(lines, static_cast<std::size_t>(maxCount_)));
  ForEachLine(begin, end, [&](const char* from, const char* to) {
    if (Count() >= maxCount_) throw EStringListError(std::string(SInsertLineError));
    rows_.push_back({from, static_cast<std::size_t>(to - from)});
    ++textRows_;
  });
}

void TStrings::SetText(std::string_view text) {
  auto copy = std::make_unique_for_overwrite<char[]>(text.size());
  if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
  SetText(std::move(copy), text.size());
}

std::string TStrings::Text() const {
  std::size_t size = 0;
  for (const Row& row : rows_) size += row.size + 2;
  std::string text;
  text.reserve(size);
  for (const Row& row : rows_) {
    text.append(row.data, row.size);
    text += "\r\n";
  }
  return text;
}
