#pragma once
// The languages benchmark (--languages dk,sv,...): per language the words
// of its stock dictionary, the load of that dictionary and, per stock
// model, the fill time of the language's stock template ModelN-<code>.skb
// (ModelN.skb for dk, the reference).

#include "bench/generate/Options.h"

namespace vorkel::bench {

// Per language: the words of its stock dictionary, the median load time and,
// per model, the median fill time per crossword and the tries per save.
// The table goes to stdout; the exit status of the benchmark is returned.
int measureLanguages(const Options& o);

}  // namespace vorkel::bench
