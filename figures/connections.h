// How the horse's connections win: the trainer's and the jockey's win percentages over the
// meet and the last two years, the mark of a trainer who wins at least one race in seven,
// and the first of the trainer's key-stat categories that wins often or pays.
#pragma once

namespace kestravo {

class CardMatrix;

// TW%, JWIN%, TWMARK and KEYSTAT of one row, in that order (TWMARK reads TW% as stored).
void computeConnections(CardMatrix& matrix, int row);

}  // namespace kestravo
