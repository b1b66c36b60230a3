#pragma once
// The seven "Fuzzy" numbers that steer how the fill picks candidate words and
// how it jumps back when it is stuck. Loaded from a .par file with every
// template; edited in the parameter dialog.

#include <array>
#include <cstdint>

#include "engine/Texts.h"

namespace vorkel {

struct SearchParameters {
  std::int32_t replacePercent = 5;              // chance in percent that a further candidate replaces a kept one
  std::int32_t keptCandidates = 60;             // candidates kept per slot
  std::int32_t maxReplacements = 999;           // replacements after which the search for one slot stops
  std::int32_t smallJump = 0;                   // size of a small return jump (levels)
  std::int32_t timedJumpSeconds = 0;            // seconds between two timed return jumps
  std::int32_t smallJumpsPerLarge = 0;          // small jumps before a large one
  std::int32_t largeJump = 0;                   // size of a large return jump (levels)

  static constexpr int Count = 7;

  // The parameters by number 0..6, in the order of files and dialog.
  std::int32_t& at(int i);
  std::int32_t at(int i) const;

  bool operator==(const SearchParameters&) const = default;
};

// What the dialog and the messages know about one parameter. The accepted
// range and the bounds named in the range message differ for blandtMax.
struct ParameterInfo {
  int fieldId;          // the dialog's edit field
  const char* key;      // the field's name in the dialog form
  const char* label;    // the dialog's label
  const char* name;     // the name in the range message
  std::int32_t low;     // accepted range
  std::int32_t high;
  std::int32_t shownLow;  // bounds named in the message
  std::int32_t shownHigh;
  int group;            // 0 = "Udvælgelse af ord:", 1 = "Return tider i rekursion:"
};

inline constexpr std::array<ParameterInfo, SearchParameters::Count> parameterInfo{{
    {114, "procentBrug", texts::parameterLabels[0], texts::parameterNames[0], 1, 100, 1, 100, 0},
    {115, "samlMax", texts::parameterLabels[1], texts::parameterNames[1], 10, 1000, 10, 1000, 0},
    {120, "blandtMax", texts::parameterLabels[2], texts::parameterNames[2], 10, 100000, 10, 1000000, 0},
    {116, "AGrclille", texts::parameterLabels[3], texts::parameterNames[3], 1, 1000, 1, 1000, 1},
    {117, "AGtidlille", texts::parameterLabels[4], texts::parameterNames[4], 1, 1000, 1, 1000, 1},
    {118, "AGstortit", texts::parameterLabels[5], texts::parameterNames[5], 1, 1000, 1, 1000, 1},
    {119, "AGantalrcstor", texts::parameterLabels[6], texts::parameterNames[6], 1, 1000, 1, 1000, 1},
}};

inline std::int32_t& SearchParameters::at(int i) {
  switch (i) {
    case 0: return replacePercent;
    case 1: return keptCandidates;
    case 2: return maxReplacements;
    case 3: return smallJump;
    case 4: return timedJumpSeconds;
    case 5: return smallJumpsPerLarge;
    default: return largeJump;
  }
}

inline std::int32_t SearchParameters::at(int i) const {
  return const_cast<SearchParameters*>(this)->at(i);
}

}  // namespace vorkel
