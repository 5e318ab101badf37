#include "listfiles.h"

#include <cerrno>

#include "platform/forms/sysutils.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "platform/system/syserror.h"

namespace {

// The list's tag remembers a file not wholly read: the number of its lines the list got, plus
// one. 0 means the list holds the whole file, or there was none.
void MarkUnread(TStrings& list, int linesHeld) { list.SetTag(linesHeld + 1); }
bool Unread(const TStrings& list) { return list.Tag() > 0; }
int LinesHeld(const TStrings& list) { return static_cast<int>(list.Tag() - 1); }

void SetTextOrTooLarge(TStrings& list, FileContents contents, const std::string& fileName) {
  try {
    list.SetText(std::move(contents.data), contents.size);
  } catch (const std::bad_alloc&) {
    list.Clear();
    throw EFOpenError(
        Format(SFOpenErrorEx, {ExpandFileName(fileName), SysErrorMessage(ENOMEM)}), ENOMEM);
  }
}

}  // namespace

void LoadListFile(const std::string& fileName, TStrings& list) {
  list.SetTag(0);
  FileContents contents;
  try {
    contents = ReadWholeFile(fileName);
  } catch (const EStreamError& e) {
    if (e.ErrorCode() != ENOENT) MarkUnread(list, 0);
    throw;
  }
  try {
    SetTextOrTooLarge(list, std::move(contents), fileName);
  } catch (...) {
    MarkUnread(list, list.TextRowCount());
    throw;
  }
}

void SaveListFile(TStrings& list, const std::string& fileName) {
  if (!Unread(list)) {
    ReplaceFile(fileName, list.Text());
    return;
  }
  const int held = LinesHeld(list);
  const int fromFile = list.TextRowCount();
  // Nothing changed since loading: the file stays as it is.
  if (fromFile == held && list.Count() == held) return;

  TStrings file;
  SetTextOrTooLarge(file, ReadWholeFile(fileName), fileName);
  // The rows that came from the file, the lines the list never held, then the added rows.
  std::string text;
  auto append = [&text](std::string_view row) {
    text += row;
    text += "\r\n";
  };
  for (int i = 0; i < fromFile; ++i) append(list[i]);
  for (int i = held; i < file.Count(); ++i) append(file[i]);
  for (int i = fromFile; i < list.Count(); ++i) append(list[i]);
  ReplaceFile(fileName, text);

  // The file holds the whole list now: the list takes it over, so that the next save does not
  // add the file's lines a second time.
  try {
    list.SetText(text);
    list.SetTag(0);
  } catch (const std::exception&) {
    MarkUnread(list, list.TextRowCount());
  }
}

std::vector<std::exception_ptr> LoadListFiles(const std::vector<ListFile>& files) {
  std::vector<std::exception_ptr> failures;
  bool allMissing = true;
  for (const ListFile& file : files) {
    try {
      LoadListFile(file.fileName, *file.list);
      allMissing = false;
    } catch (const EStreamError& e) {
      if (e.ErrorCode() != ENOENT) allMissing = false;
      if (e.ErrorCode() != ENOENT || failures.empty() || !allMissing)
        failures.push_back(std::current_exception());
    } catch (...) {
      allMissing = false;
      failures.push_back(std::current_exception());
    }
  }
  return failures;
}
