#include "card/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <system_error>

namespace kestravo {

namespace {

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  void adopt(int fd) {
    reset();
    fd_ = fd;
  }
  explicit operator bool() const { return fd_ >= 0; }
  // Closes now; false with errno set when the close reports an error.
  bool reset() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::atomic<const InjectedSaveFault::Fault*> injectedFault{nullptr};

// The errno value an injected fault gives `step`, 0 when none.
int injected(SaveStep step) {
  const InjectedSaveFault::Fault* fault = injectedFault.load();
  return fault ? (*fault)(step) : 0;
}

// True, with errno set, when an injected fault makes `step` fail.
bool failsAt(SaveStep step) {
  const int fault = injected(step);
  if (fault) errno = fault;
  return fault != 0;
}

std::string reasonOf(int error) {
  std::string text = std::generic_category().message(error);
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// A step that fails with `error` (already in errno when the system call failed).
bool fail(std::string* why, int error) {
  if (why) *why = reasonOf(error);
  return false;
}

// A save's temporary files are named after the file, the saving process and a random tail
// (SAR0812.tch.~save-4711-x3Fq9a), so that two programs saving at once never share one and
// the leftovers of a save that was killed can be told apart from those still being written.
constexpr std::string_view kTemporaryMark = ".~save-";

std::string temporaryName(const std::string& name) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::string tail(6, 'a');
  for (char& c : tail) c = kLetters[random() % (sizeof kLetters - 1)];
  return name + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + tail;
}

// The process that made a temporary file, from its name; 0 when the name is not one.
pid_t saverOf(std::string_view entry, const std::string& name) {
  if (entry.substr(0, name.size()) != name) return 0;
  entry.remove_prefix(name.size());
  if (entry.substr(0, kTemporaryMark.size()) != kTemporaryMark) return 0;
  entry.remove_prefix(kTemporaryMark.size());
  long pid = 0;
  std::size_t digits = 0;
  for (; digits < entry.size() && entry[digits] >= '0' && entry[digits] <= '9'; ++digits) {
    if (pid > 1'000'000'000) return 0;
    pid = pid * 10 + (entry[digits] - '0');
  }
  if (digits == 0 || digits >= entry.size() || entry[digits] != '-') return 0;
  return static_cast<pid_t>(pid);
}

// Removes the temporary files of earlier saves of `name` whose program is gone. Those of a
// program still running may be a save in progress and stay. A leftover is only unlinked,
// never opened, so a link or a pipe of that name does no harm.
void removeLeftovers(int folder, const std::string& name) {
  const int listing = ::dup(folder);
  if (listing < 0) return;
  DIR* entries = ::fdopendir(listing);
  if (!entries) {
    ::close(listing);
    return;
  }
  while (const dirent* entry = ::readdir(entries)) {
    const pid_t saver = saverOf(entry->d_name, name);
    if (saver > 0 && ::kill(saver, 0) != 0 && errno == ESRCH) {
      ::unlinkat(folder, entry->d_name, 0);
    }
  }
  ::closedir(entries);
}

// Where a save puts the file: its folder and its name there, and the permissions of the
// file it replaces (none when there is none).
struct Target {
  std::string folder;
  std::string name;
  bool replaces = false;
  mode_t permissions = 0;
};

void splitPath(const std::string& path, Target& target) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    target.folder = ".";
    target.name = path;
  } else {
    target.folder = slash == 0 ? "/" : path.substr(0, slash);
    target.name = path.substr(slash + 1);
  }
}

bool findTarget(const std::string& path, bool replacing, Target& target, std::string* why) {
  if (path.empty() || path.back() == '/') return fail(why, EISDIR);
  struct stat seen {};
  if (::lstat(path.c_str(), &seen) != 0) {
    if (errno != ENOENT) return fail(why, errno);
    splitPath(path, target);
    return true;
  }
  if (!replacing) return fail(why, EEXIST);
  std::string file = path;
  if (S_ISLNK(seen.st_mode)) {
    // The link stays; the file it leads to is what the handicapper's marks live in.
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return fail(why, errno);
    file = resolved;
    std::free(resolved);
    if (::stat(file.c_str(), &seen) != 0) return fail(why, errno);
  }
  if (S_ISDIR(seen.st_mode)) return fail(why, EISDIR);
  if (!S_ISREG(seen.st_mode)) {
    if (why) *why = "NOT A PLAIN FILE";
    return false;
  }
  splitPath(file, target);
  target.replaces = true;
  target.permissions = seen.st_mode & 07777;
  return true;
}

bool writeAll(int fd, std::string_view text) {
  const int fault = injected(SaveStep::kWrite);
  std::string_view rest = fault ? text.substr(0, text.size() / 2) : text;
  while (!rest.empty()) {
    const ssize_t n = ::write(fd, rest.data(), rest.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(n));
  }
  if (fault) errno = fault;
  return fault == 0;
}

// Puts the finished temporary file in the file's place. Replacing renames over the old
// file; making a new one refuses to stand in for anything already there.
bool moveIntoPlace(int folder, const std::string& temporary, const Target& target) {
  if (failsAt(SaveStep::kRename)) return false;
  if (target.replaces) {
    return ::renameat(folder, temporary.c_str(), folder, target.name.c_str()) == 0;
  }
  if (::renameat2(folder, temporary.c_str(), folder, target.name.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  // File systems that cannot rename without replacing can still link a second name.
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::linkat(folder, temporary.c_str(), folder, target.name.c_str(), 0) != 0) return false;
  ::unlinkat(folder, temporary.c_str(), 0);
  return true;
}

// Writes, flushes and places the temporary file `temporary`, already open as `file`.
bool finishSave(int folder, Descriptor& file, const std::string& temporary, const Target& target,
                std::string_view text) {
  if (!writeAll(file.get(), text)) return false;
  if (target.replaces) {
    if (failsAt(SaveStep::kKeepPermissions) || ::fchmod(file.get(), target.permissions) != 0) {
      return false;
    }
  }
  if (failsAt(SaveStep::kFlush) || ::fsync(file.get()) != 0 || !file.reset()) return false;
  return moveIntoPlace(folder, temporary, target);
}

bool save(const std::string& path, std::string_view text, bool replacing, std::string* why) {
  Target target;
  if (!findTarget(path, replacing, target, why)) return false;
  const Descriptor folder(::open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return fail(why, errno);
  removeLeftovers(folder.get(), target.name);

  std::string temporary;
  Descriptor file;
  // A fresh name each try: an existing file, link or pipe of that name is never opened.
  for (int attempt = 0; !file; ++attempt) {
    if (failsAt(SaveStep::kCreateTemporary)) return fail(why, errno);
    temporary = temporaryName(target.name);
    // Mode 0666 less the umask: a new scratch file gets the permissions any new file gets.
    const int fd = ::openat(folder.get(), temporary.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      file.adopt(fd);
    } else if (errno != EEXIST || attempt == 100) {
      return fail(why, errno);
    }
  }
  if (!finishSave(folder.get(), file, temporary, target, text)) {
    const int error = errno;
    file.reset();
    ::unlinkat(folder.get(), temporary.c_str(), 0);
    return fail(why, error);
  }
  // The new file stands; flushing the folder makes its new name last through a crash.
  if (!failsAt(SaveStep::kFlushFolder)) ::fsync(folder.get());
  return true;
}

}  // namespace

ReadStatus readWholeFile(const std::string& path, std::size_t limit, std::string& out) {
  const auto fail = [&out](ReadStatus status) {
    out.clear();
    return status;
  };
  if (path.empty()) return fail(ReadStatus::kCannotOpen);
  // Only a plain file is read: a pipe or a device could block the program forever, and a
  // folder cannot be read. What was opened is looked at again, without waiting, in case
  // something else was put in the file's place meanwhile.
  struct stat seen {};
  if (::stat(path.c_str(), &seen) != 0 || !S_ISREG(seen.st_mode)) {
    return fail(ReadStatus::kCannotOpen);
  }
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file || ::fstat(file.get(), &seen) != 0 || !S_ISREG(seen.st_mode)) {
    return fail(ReadStatus::kCannotOpen);
  }
  if (static_cast<unsigned long long>(seen.st_size) > limit) return fail(ReadStatus::kTooLarge);
  // Read straight into the result, over whatever it held: a reload reads the card into the
  // room the last one left, without clearing it first. The room is one byte more than the
  // file, so the end shows without growing it; a file that is still growing is read on in
  // chunks up to the limit.
  const std::size_t expected = static_cast<std::size_t>(seen.st_size) + 1;
  if (out.size() < expected) out.resize(expected);
  std::size_t have = 0;
  for (;;) {
    if (have == out.size()) out.resize(have + (std::size_t{1} << 16));
    const ssize_t n = ::read(file.get(), out.data() + have, out.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(ReadStatus::kCannotOpen);
    have += static_cast<std::size_t>(n);
    if (have > limit) return fail(ReadStatus::kTooLarge);
    if (n == 0) {
      out.resize(have);
      return ReadStatus::kOk;
    }
  }
}

bool fileExists(const std::string& path) {
  struct stat seen {};
  return !path.empty() && ::lstat(path.c_str(), &seen) == 0;
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return !a.empty() && !b.empty() && ::stat(a.c_str(), &first) == 0 &&
         ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

bool replaceFile(const std::string& path, std::string_view text, std::string* why) {
  return save(path, text, true, why);
}

bool createFile(const std::string& path, std::string_view text, std::string* why) {
  return save(path, text, false, why);
}

InjectedSaveFault::InjectedSaveFault(Fault fault) : fault_(std::move(fault)) {
  injectedFault.store(&fault_);
}

InjectedSaveFault::~InjectedSaveFault() { injectedFault.store(nullptr); }

}  // namespace kestravo
