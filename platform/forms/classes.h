#pragma once

#include <climits>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Told about every change of a TStrings, so that a view can follow it. Between Changing() and
// Changed() no single-row notice is sent: the rows may have been replaced wholesale.
class TStringsObserver {
 public:
  virtual void RowsInserting(int first, int last) = 0;
  virtual void RowsInserted(int first, int last) = 0;
  virtual void RowsRemoving(int first, int last) = 0;
  virtual void RowsRemoved(int first, int last) = 0;
  virtual void Changing() = 0;
  virtual void Changed() = 0;

 protected:
  ~TStringsObserver() = default;
};

// An ordered list of rows; each row is bytes in the ANSI code page, kept exactly.
//
// Rows read from a file stay where they were read: a row is a span of that one buffer, so loading
// a large list costs one span per line and no copy. Appended rows are copied into blocks of their
// own. Removing a row releases no text; Clear() releases all.
class TStrings {
 public:
  TStrings();
  ~TStrings();
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  int Count() const { return static_cast<int>(rows_.size()); }

  // The row's bytes; valid until the list next changes. Throws EStringListError out of range.
  std::string_view Get(int index) const;
  std::string_view operator[](int index) const { return Get(index); }

  // Appends a row and returns its number; "Unable to insert a line" when the list is full.
  int Add(std::string_view text);
  void Delete(int index);
  void Clear();

  // Nested; while updating, observers get one Changing() before and one Changed() after.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

  // Replaces all rows with the lines of the text, which the list keeps as their storage. A line
  // ends at CR, LF, CR LF or a zero byte; a zero byte also ends the text. When the list fills up
  // the rows read so far stay and "Unable to insert a line" is thrown.
  void SetText(std::unique_ptr<char[]> text, std::size_t size);
  void SetText(std::string_view text);

  // Every row followed by CR LF.
  std::string Text() const;

  // How many rows from the last SetText are still there. They always come first: rows are
  // appended only at the end.
  int TextRowCount() const { return textRows_; }

  // A number for whoever owns the list; the list itself never reads it.
  long Tag() const { return tag_; }
  void SetTag(long tag) { tag_ = tag; }

  void SetObserver(TStringsObserver* observer) { observer_ = observer; }

  // The most rows the list takes. The row numbers of a list control are ints.
  int MaxCount() const { return maxCount_; }
  void SetMaxCount(int maxCount) { maxCount_ = maxCount; }

 private:
  struct Row {
    const char* data;
    std::size_t size;
  };

  const char* Store(std::string_view text);
  void CheckIndex(int index) const;

  std::vector<Row> rows_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;
  std::size_t freeSize_ = 0;
  int updateCount_ = 0;
  int textRows_ = 0;
  long tag_ = 0;
  int maxCount_ = INT_MAX - 1;
  TStringsObserver* observer_ = nullptr;
};

// Keeps a TStrings in its updating state for one scope, also when the scope fails.
class TStringsUpdate {
 public:
  explicit TStringsUpdate(TStrings& strings) : strings_(strings) { strings_.BeginUpdate(); }
  ~TStringsUpdate() { strings_.EndUpdate(); }
  TStringsUpdate(const TStringsUpdate&) = delete;
  TStringsUpdate& operator=(const TStringsUpdate&) = delete;

 private:
  TStrings& strings_;
};
