#include "dictionary/ClueSources.h"

#include <future>

#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

ClueSourcePaths ClueSourcePaths::danish(std::string database, std::string scores) {
  return {"/usr/share/mythes/th_da_DK.dat", "/usr/share/hunspell/da_DK", std::move(database),
          std::move(scores)};
}

ClueSources openClueSources(const ClueSourcePaths& paths) {
  ClueSources s;
  // The three files are read side by side: hunspell's dictionary, the
  // thesaurus and the scores each take tens of milliseconds, and a window
  // or an export waits for all of them before the first draft.
  auto forms = std::async(std::launch::async, [&] { return WordForms::open(paths.hunspell); });
  std::string scoresError;
  auto scores = std::async(std::launch::async, [&]() -> std::optional<WordScores> {
    if (paths.scores.empty()) return std::nullopt;
    return WordScores::load(paths.scores, s.language, scoresError);
  });
  std::string error;
  s.thesaurus = Thesaurus::load(paths.thesaurus, error);
  if (!s.thesaurus) s.problems.push_back(error + " (install mythes-da)");
  s.forms = forms.get();
  if (!s.forms)
    s.problems.push_back("no hunspell dictionary " + paths.hunspell + ".aff/.dic (install myspell-da)");
  if (!paths.database.empty() && (paths.createDatabase || isClueDatabaseConnection(paths.database) ||
                                  Files::exists(paths.database))) {
    error.clear();
    s.database = ClueDatabase::open(paths.database, error);
    if (!s.database) s.problems.push_back(error);
  }
  s.stock = StockClues::parse(stockCluesDanish(), error);
  if (!s.stock) s.problems.push_back("the built-in clue list: " + error);
  s.scores = scores.get();
  if (!paths.scores.empty() && !s.scores) s.problems.push_back(scoresError);
  return s;
}

ClueDrafter ClueSources::drafter() const {
  WordCommonness commonness;
  if (scores)
    commonness = [this](std::string_view word) {
      std::string bytes;
      return utf8ToCp1252Exact(word, bytes) ? scores->scoreOfText(bytes, language) : -1;
    };
  return ClueDrafter(thesaurus ? &*thesaurus : nullptr, forms.get(), database.get(), "da",
                     std::move(commonness), stock ? &*stock : nullptr);
}

std::vector<std::string> ClueSources::draftTexts(std::string_view word) const {
  std::vector<std::string> texts;
  for (ClueDraft& d : drafter().drafts(word)) texts.push_back(std::move(d.text));
  return texts;
}

}  // namespace vorkel
