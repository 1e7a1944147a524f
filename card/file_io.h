// Whole-file reads with a size limit, and the safe replacement of the scratch file: every
// save goes through a temporary file of its own, so a crash, a full disk, a planted link or
// a second program saving at the same time can never lose or splice the handicapper's marks.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kestravo {

enum class ReadStatus { kOk, kCannotOpen, kTooLarge };

// Reads at most `limit` bytes of a plain file; a file holding more is refused without
// reading the rest, and anything but a plain file (a folder, a pipe, a device) cannot be
// opened, so nothing can hang the program or exhaust its memory. `out` is overwritten, its
// room used again; it is empty after a failure.
ReadStatus readWholeFile(const std::string& path, std::size_t limit, std::string& out);

// True when anything stands at `path`, a link that leads nowhere included.
bool fileExists(const std::string& path);

// True when both paths lead to one existing file, through links or under two names.
bool sameFile(const std::string& a, const std::string& b);

// Replaces the plain file at `path` (or makes it) with `text`, whole or not at all: the text
// goes to a new temporary file in the same folder, reaches the disk, takes the old file's
// permissions and is renamed over the old file. A `path` that is a symbolic link has the
// file it leads to replaced, so the link keeps working. Temporary files that interrupted
// saves left beside the file are removed. On failure the old file is untouched, no
// temporary file is left and `why` gets the reason, in upper case.
bool replaceFile(const std::string& path, std::string_view text, std::string* why = nullptr);

// Makes the file at `path` as replaceFile does, but only where nothing stands yet: whatever
// is found there, a link included, is left alone and the call fails.
bool createFile(const std::string& path, std::string_view text, std::string* why = nullptr);

// The steps of a save, in order.
enum class SaveStep { kCreateTemporary, kWrite, kKeepPermissions, kFlush, kRename, kFlushFolder };

// For tests: while one lives, `fault` is asked before each step of every save, and a
// non-zero errno value it returns makes that step fail as a full disk or a lost drive would
// (a write fails after half the text). A failed folder flush does not fail the save: the new
// file already stands, and a crash could only bring back the whole previous one.
class InjectedSaveFault {
 public:
  using Fault = std::function<int(SaveStep)>;
  explicit InjectedSaveFault(Fault fault);
  ~InjectedSaveFault();
  InjectedSaveFault(const InjectedSaveFault&) = delete;
  InjectedSaveFault& operator=(const InjectedSaveFault&) = delete;

 private:
  Fault fault_;
};

}  // namespace kestravo
