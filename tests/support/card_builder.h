// Small hand-made cards for tests: entries whose fields are set by number, written as a
// data file in a fresh folder of their own.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kestravo::testing {

class CardBuilder {
 public:
  // Starts a new entry in `race` at post position `post`; later set() calls fill it.
  CardBuilder& entry(int race, int post, std::string_view horse = "HORSE");
  CardBuilder& set(int field, std::string_view text);
  CardBuilder& set(int field, long double value);

  // The data file text: 1,435 quoted fields per record, CR LF line ends.
  std::string text() const;

 private:
  std::vector<std::map<int, std::string>> entries_;
};

// A folder removed at the end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(std::string_view name) const { return (path_ / name).string(); }
  // Writes `text` to `name` in the folder and returns its path.
  std::string write(std::string_view name, std::string_view text) const;
  // The names of what the folder holds, sorted.
  std::vector<std::string> names() const;

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::string& path);

}  // namespace kestravo::testing
