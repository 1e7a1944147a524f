// Opening a card from the command line behaves as the desktop program's open: the scratch
// file is read, and created when missing. Problems go to standard error.
#pragma once

#include <ostream>
#include <string>

#include "card/card.h"

namespace kestravo::cli {

// False when the data file or its scratch file could not be read, or the data file was
// refused (the message is written). `member` chooses the card of a zip archive; an archive
// of several cards and no choice lists their names.
bool openCardForCli(const std::string& path, const std::string& member, Card& card,
                    std::ostream& err);

}  // namespace kestravo::cli
