#include "support/card_builder.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

namespace kestravo::testing {

namespace {
constexpr int kFields = 1435;

std::string numberText(long double v) {
  std::ostringstream s;
  s.precision(18);
  s << v;
  return s.str();
}
}  // namespace

CardBuilder& CardBuilder::entry(int race, int post, std::string_view horse) {
  entries_.emplace_back();
  set(3, std::to_string(race));
  set(4, std::to_string(post));
  set(45, horse);
  return *this;
}

CardBuilder& CardBuilder::set(int field, std::string_view text) {
  if (entries_.empty()) entries_.emplace_back();
  entries_.back()[field] = std::string(text);
  return *this;
}

CardBuilder& CardBuilder::set(int field, long double value) {
  return set(field, numberText(value));
}

std::string CardBuilder::text() const {
  std::string out;
  for (const auto& fields : entries_) {
    for (int f = 1; f <= kFields; ++f) {
      if (f > 1) out += ',';
      const auto it = fields.find(f);
      out += '"';
      if (it != fields.end()) out += it->second;
      out += '"';
    }
    out += "\r\n";
  }
  return out;
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("kestravo-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::write(std::string_view name, std::string_view text) const {
  const std::string p = file(name);
  std::ofstream(p, std::ios::binary) << text;
  return p;
}

std::vector<std::string> TempFolder::names() const {
  std::vector<std::string> found;
  for (const auto& f : std::filesystem::directory_iterator(path_)) {
    found.push_back(f.path().filename().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace kestravo::testing
