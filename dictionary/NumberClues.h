#pragma once
// The clue a puzzle prints for a Danish number word: its figure ("5" for
// FEM, "60" for TRES) or, for an ordinal, the figure with a full stop
// ("3." for TREDJE), as Danish clue-in-cell puzzles write them. The
// thesaurus has no entry for most of these words.
//
//   numberClue("FEM");     // "5"
//   numberClue("tredje");  // "3."
//   numberClue("hus");     // nullopt

#include <optional>
#include <string>
#include <string_view>

namespace vorkel {

// The figure of a Danish number word (UTF-8, any case); nullopt for any
// other word.
std::optional<std::string> numberClue(std::string_view word);

}  // namespace vorkel
