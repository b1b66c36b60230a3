#include "engine/KeptWordIndex.h"

#include "dictionary/WordFile.h"
#include "dictionary/WordScores.h"
#include "engine/WordIndexFile.h"
#include "platform/Files.h"

namespace vorkel {

KeptWordIndex loadKeptWordIndex(const WordIndexSource& source, const Language& language, Ui& ui,
                                std::uint32_t lengths) {
  KeptWordIndex result;
  result.path = indexPathFor(source.dictionary, source.floor);
  const IndexKey key =
      IndexKey::of(source.dictionary, source.scores, language, source.encoding, source.floor);
  if (std::optional<WordIndex> kept = mapWordIndexFile(result.path, key, lengths)) {
    result.index = std::move(kept);
    result.from = KeptWordIndex::From::Kept;
    return result;
  }

  std::optional<WordScores> scores;
  if (!source.scores.empty()) {
    scores = WordScores::load(source.scores, language, result.problem);
    std::string bytes;
    if (scores && readWordFile(source.dictionary, source.encoding, bytes)) {
      // A score file made for another version of the dictionary would
      // leave words unscored or score words that are not there: both are
      // said rather than guessed at.
      const ScoreCoverage coverage = scoreCoverage(*scores, bytes, language);
      if (!coverage.matches()) result.problem = coverage.message(source.scores);
    }
    if (!result.problem.empty()) return result;
  }
  const bool keep = Files::canWriteInto(Files::parentFolder(result.path));
  result.index = WordIndex::loadWordFile(source.dictionary, language, ui,
                                         keep ? WordIndex::AllLengths : lengths, source.encoding,
                                         scores ? &*scores : nullptr, source.floor);
  // Kept only when the files did not change while they were read.
  if (result.index && keep && result.index->skippedWords() == 0 &&
      key == IndexKey::of(source.dictionary, source.scores, language, source.encoding, source.floor) &&
      Files::writeFileAtomically(result.path, formatWordIndexFile(*result.index, key)))
    result.from = KeptWordIndex::From::BuiltAndKept;
  return result;
}

}  // namespace vorkel
