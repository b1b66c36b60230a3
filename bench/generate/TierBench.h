#pragma once
// The word-tier benchmark (--tiers): the quality of the Danish crosswords
// per stock model and word list (the full list without scores, with scores,
// with a score floor, and SVsmall.dic), judged by measures that share
// nothing with the scoring rule (words seen in Danish prose, the thesaurus),
// beside the fill time and the ratio against qxw on the full list.

#include "bench/generate/Options.h"

namespace vorkel::bench {

// Per stock model and tier: RUNS crosswords (seeds 1..RUNS) by the fast
// fill, each judged word by word. The measures of a common word:
//   known  in the thesaurus or seen twice in the prose (the measure;
//          the thesaurus is also one of the scoring rule's sources);
//   prose  seen twice in the prose (shares nothing with the scoring rule).
// "low" counts words scored 5 or less (genitives, imperatives), offensive
// those scored 0, both by the full list's score file.
// The tables go to stdout; the exit status of the benchmark is returned.
int measureTiers(const Options& o);

}  // namespace vorkel::bench
