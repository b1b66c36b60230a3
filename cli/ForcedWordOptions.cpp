#include "cli/ForcedWordOptions.h"

#include <algorithm>
#include <map>
#include <set>
#include <optional>
#include <ostream>
#include <vector>

#include "app/ApplicationContext.h"
#include "dictionary/WordListEncoding.h"
#include "cli/GenerateBatch.h"
#include "engine/ForcedPlacement.h"
#include "engine/ForcedWords.h"
#include "engine/WorkingGrid.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Random.h"

namespace vorkel {

namespace {

// The number of slots of each length in the model.
std::map<int, int> slotLengths(ApplicationContext& context) {
  WorkingGrid model = WorkingGrid::fromDocument(context.document, context.ui, false);
  model.buildSlots();
  std::map<int, int> lengths;
  for (const Slot& slot : model.slots()) ++lengths[slot.len];
  return lengths;
}

std::optional<std::vector<std::string>> readList(const std::string& file, std::size_t lineLimit,
                                                 ApplicationContext& context, std::ostream& err) {
  // Read by the command line's encoding rule (--encoding, UTF-8 when the
  // text says so), as every other word list of the command.
  std::optional<std::vector<std::string>> list;
  if (const std::optional<std::string> bytes = Files::readFile(Files::absolutePath(file)))
    list = readWordLines(decodeWordList(*bytes, context.wordListEncoding).bytes, lineLimit,
                         context.language);
  if (!list) err << "vorkel generate: cannot read the word file " << file << "\n";
  else if (list->empty()) err << "vorkel generate: no words in " << file << "\n";
  else return list;
  return std::nullopt;
}

}  // namespace

bool ForcedWordOptions::consistent(bool withLetters, std::ostream& err) const {
  const char* problem = nullptr;
  if (!forcedFile.empty() && (draw > 0 || !wordFile.empty()))
    problem = "--forced takes its words from its file; --draw and --word-file draw them";
  else if ((draw > 0) != !wordFile.empty())
    problem = "--draw N and --word-file FILE go together";
  else if (withLetters && wanted())
    problem = "forced words go into an empty model; they do not go with --with-letters";
  if (problem) err << "vorkel generate: " << problem << "\n";
  return problem == nullptr;
}

bool ForcedWordOptions::prepare(ApplicationContext& context, GenerateBatch& batch,
                                std::ostream& err) const {
  const std::map<int, int> lengths = slotLengths(context);
  batch.forced = true;
  if (!forcedFile.empty()) {
    const std::optional<std::vector<std::string>> list =
        readList(forcedFile, ForcedLineLimit, context, err);
    if (!list) return false;
    ForcedWords words;
    std::map<int, int> wanted;
    for (const std::string& w : *list) {
      const auto slots = lengths.find(static_cast<int>(w.size()));
      if (slots == lengths.end() || !isLetterWord(w, context.language)) {
        err << "vorkel generate: the word " << cp1252ToUtf8(w) << " of " << forcedFile
            << " fits no slot of the model\n";
        return false;
      }
      if (words.add(w) && ++wanted[slots->first] > slots->second) {
        err << "vorkel generate: " << forcedFile << " has more words of " << slots->first
            << " letters than the model has slots for them (" << slots->second << ")\n";
        return false;
      }
      if (words.size() == ForcedWords::Capacity) break;
    }
    for (const ForcedWord& w : words.words()) batch.forcedWords.push_back(w.word);
    return true;
  }

  std::optional<std::vector<std::string>> list = readList(wordFile, WordFileLineLimit, context, err);
  if (!list) return false;
  // A trial draw tells how many words fit; the crosswords draw their own.
  WorkingGrid model = WorkingGrid::fromDocument(context.document, context.ui, false);
  Random trial;
  int count = draw;
  ForcedWords drawn;
  if (drawForcedWords(*list, model, context.language, count, trial, drawn) != DrawResult::Drawn) {
    err << "vorkel generate: no word of " << wordFile << " fits a slot of the model\n";
    return false;
  }
  if (count < draw)
    err << "vorkel generate: only " << count << " words of " << wordFile
        << " fit the model; each crossword draws " << count << "\n";
  // More words than the model has slots of their lengths never find a place.
  std::map<int, std::set<std::string>> byLength;
  for (const std::string& w : *list)
    if (lengths.count(static_cast<int>(w.size())) && isLetterWord(w, context.language))
      byLength[static_cast<int>(w.size())].insert(w);
  int room = 0;
  for (const auto& [length, words] : byLength)
    room += std::min(lengths.at(length), static_cast<int>(words.size()));
  if (count > room) {
    err << "vorkel generate: the model has room for at most " << room << " words of " << wordFile
        << ", not " << count << "\n";
    return false;
  }
  batch.wordList = std::move(*list);
  batch.drawCount = count;
  return true;
}

}  // namespace vorkel
