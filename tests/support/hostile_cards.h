// Data files a handicapper's machine may be handed: broken line ends, short and long
// records, stray bytes, other encodings, absurd numbers, huge fields, too many records, odd
// file names. Each one must load as far as it goes or be refused with its message.
#pragma once

#include <string>
#include <vector>

namespace kestravo::testing {

struct HostileCard {
  std::string name;      // what is wrong with it
  std::string fileName;  // the data file's name, folders included when the case needs them
  std::string text;
  bool refused = false;  // refused as a whole (too many records)
  int entries = -1;      // the entries it loads when known; -1 when not checked
};

std::vector<HostileCard> hostileCards();

}  // namespace kestravo::testing
