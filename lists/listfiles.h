#pragma once

#include <exception>
#include <string>
#include <vector>

#include "platform/forms/classes.h"

// A list file holds one list, one item per line, each line ended by CR LF. The bytes are the
// rows' bytes, unconverted.

// Replaces the list's rows with the file's lines. A line ends at CR LF, LF, CR or a zero byte; a
// zero byte also ends the text. On failure the list keeps what it had (or the rows read before a
// row could not be added) and the exception tells why.
//
// A file that exists but is not wholly read is remembered on the list, so that saving never
// replaces it by rows that never held its lines.
void LoadListFile(const std::string& fileName, TStrings& list);

// Writes the list to its file, all or nothing. A file not wholly read at loading is left as it
// is while the list still holds only what was read of it; once rows were added, the file is
// read again and written with its lines kept and the added rows after them, and the list then
// holds all of it. If it still cannot be read, that failure is thrown and nothing is written.
void SaveListFile(TStrings& list, const std::string& fileName);

struct ListFile {
  std::string fileName;
  TStrings* list;
};

// Loads every list, also after one has failed, and returns the failures to report in order.
// Every file missing is a first start: only the first of them is reported then.
std::vector<std::exception_ptr> LoadListFiles(const std::vector<ListFile>& files);
