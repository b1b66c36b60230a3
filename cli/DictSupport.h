#pragma once
// What the `vorkel dict` commands share: the options every one of them
// takes (--language, --encoding, --seed) and a dictionary session like the
// window program's, whose word files are checked before they are read.
//
//   DictSupport dict(console, options);
//   if (!dict.load("base.dic")) return ExitFailed;   // the reason is said
//   WordStore& words = dict.dictionary();

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cli/Arguments.h"
#include "dictionary/DictionarySession.h"
#include "dictionary/Language.h"
#include "dictionary/WordListEncoding.h"
#include "platform/Random.h"
#include "platform/Ui.h"

namespace vorkel {

class Console;

// The options every dictionary command shares, and two that several take.
inline constexpr Option kLanguageOption{
    "--language", nullptr, true, "N",
    "the letters words are read with (default 0, Danish); see 'vorkel help'"};
inline constexpr Option kEncodingOption{
    "--encoding", nullptr, true, "E",
    "how word lists are read: auto (default: a byte-order mark or UTF-8 with national letters "
    "is UTF-8, anything else Windows-1252), utf-8, cp1252"};
inline constexpr Option kSeedOption{
    "--seed", nullptr, true, "S",
    "the random filler of the .dic file; the same seed gives the same file"};
inline constexpr Option kPlanOption{
    "--plan", nullptr, true, "N",
    "the planned number of words the capacities follow, 1000..2000000 (default: the file's "
    "size / 5, at least 20000)",
    1000, 2000000};

// The usage lines of the shared options.
inline std::string dictOptionsUsage() {
  constexpr Option shared[] = {kLanguageOption, kEncodingOption};
  return optionLines(shared);
}

struct DictOptions {
  LanguageId language = LanguageId::Danish;
  WordListEncoding encoding = WordListEncoding::Auto;
  std::optional<std::uint32_t> seed;  // filler bits and word order of written .dic files
  std::optional<int> plan;            // planned words; default from the file's size
};

// Reads the shared options; false, said, on a bad value.
bool readDictOptions(const Arguments& args, DictOptions& options, Console& console);

class DictSupport {
 public:
  DictSupport(Console& console, const DictOptions& options);
  DictSupport(const DictSupport&) = delete;
  DictSupport& operator=(const DictSupport&) = delete;

  // Replaces the dictionary by the words of `given` ("Hent ny ord-liste"),
  // after checking that it is a dictionary or word list. False, said.
  bool load(const std::string& given);
  // Checks `given` as a word file; its path on success. False, said.
  bool check(const std::string& given, std::string& path);

  WordStore& dictionary() { return *dictionary_; }
  DictionarySession& session() { return session_; }
  const Language& language() const { return language_; }
  Random& random() { return random_; }
  Console& console() { return console_; }

 private:
  Console& console_;
  DictOptions options_;
  Language language_;
  Random random_;
  FileDialogData dialog_;
  std::unique_ptr<WordStore> dictionary_;
  DictionarySession session_;
};

}  // namespace vorkel
