#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Reading and writing whole files, with the sharing rules of a system with share modes:
// advisory locks, never waited for. While a file is read no cooperating program may write it;
// while it is written none may open it.

struct FileContents {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
};

// Opens an existing file for reading (never creates it) and reads it whole, also when the
// system delivers it in pieces. Failures:
//   EFOpenError "Cannot open file "<full path>". <system text>" when it cannot be opened: missing,
//     no access, a directory, locked for writing, or too large for memory;
//   EReadError "Stream read error" when reading fails.
FileContents ReadWholeFile(const std::string& fileName);

// Replaces the file's content with the text, all or nothing: the text goes to a new file in the
// same directory, every write checked, synced, given the old file's permission bits and owner,
// then renamed over the file, and the directory synced. At any failure, or if the process dies
// at any moment, the file is as it was or complete with the new text, and no other file is
// left. A link stays a link; its target gets the text. Failures:
//   EFCreateError "Cannot create file "<full path>". <system text>" when the file cannot be
//     replaced: read-only (no write permission bit, whoever runs the program), no access, a
//     directory of that name, a directory that cannot be written, locked by another program;
//   EWriteError "Stream write error" when the text cannot be written whole: a full disk, a
//     file-size limit, a failed sync.
void ReplaceFile(const std::string& fileName, std::string_view text);

// The steps of ReplaceFile, and a hook that makes one of them fail with an error code, so that
// tests can show what every failure leaves behind. Return 0 to let the step run.
enum class ReplaceStep { CreateTemporary, Write, Sync, SetAttributes, Rename, SyncDirectory };
void SetReplaceFaultForTesting(std::function<int(ReplaceStep)> fault);
