// The columns the odds line writes: the category ranks and points, the KOL price, the
// QUENTAR STRIKE rating, the uncoupled-trainer and form marks, and the figures of the
// handicapper's picked past races.
#pragma once

namespace kestravo::col {

// Ranks, points and the price.
inline constexpr int kEPLR = 1741;
inline constexpr int kSRLRRank = 1699;
inline constexpr int kPrimeRank = 1726;
inline constexpr int kEPLRRank = 1727;
inline constexpr int kLPLRRank = 1728;
inline constexpr int kACL3Rank = 1730;
inline constexpr int kSRLRPoints = 1731;
inline constexpr int kACL3Points = 1732;
inline constexpr int kPrimePoints = 1733;
inline constexpr int kEPLRPoints = 1734;
inline constexpr int kLPLRPoints = 1735;
inline constexpr int kTotalPoints = 1736;
inline constexpr int kPointsRank = 1738;
inline constexpr int kKOL = 1740;

// QUENTAR STRIKE.
inline constexpr int kStrikeRating = 1694;
inline constexpr int kStrikeLabel = 1695;    // "W" or "R", a blank, the days in "###"
inline constexpr int kQualifiedMark = 1696;  // "Q"

// Uncoupled-trainer and form marks.
inline constexpr int kUncoupledTrainerMark = 1523;  // "UT "
inline constexpr int kDaysSinceBest1 = 1525;
inline constexpr int kDaysSinceBest2 = 1527;
inline constexpr int kDaysSinceBest3 = 1529;
inline constexpr int kFormMark = 1528;  // "F "

// Figures of the handicapper's picked past races.
inline constexpr int kPickedE1 = 1541;
inline constexpr int kPickedE2 = 1542;
inline constexpr int kPickedLate = 1543;
inline constexpr int kPickedSpeed = 1544;
inline constexpr int kPickedClass = 1545;
inline constexpr int kPickedFinish = 1557;
inline constexpr int kPickedBeaten = 1558;
inline constexpr int kPickedSurface = 1620;
inline constexpr int kPickedDistance = 1621;

}  // namespace kestravo::col
