// The whole card computation, from the data and scratch files to the odds line, in one
// synchronous pass. It is rerun after every change of scratches; nothing is updated
// incrementally.
#pragma once

#include "card/card.h"
#include "card/data_file.h"

namespace kestravo {

// Computes card from card.dataFilePath. Every computed column is written anew.
LoadProblems loadCard(Card& card);

// What opening a data file does: loadCard, then the race conditions line of every race.
LoadProblems openCard(Card& card);

}  // namespace kestravo
