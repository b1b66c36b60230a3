#pragma once
// The forms of words, from a hunspell dictionary (Debian's myspell-da for
// Danish): whether a word exists, its base forms, and a word put in the
// form of another ("føde" like "maden": "føden"). Words go in and out as
// lower-case UTF-8; a dictionary in ISO-8859-1 is spoken to in its own
// encoding.
//
//   auto forms = WordForms::open("/usr/share/hunspell/da_DK");
//   forms->stems("maden");                 // "madende", "made", "mad"
//   forms->inflectLike("føde", "maden");   // "føden"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

namespace vorkel {

class WordForms {
 public:
  // The dictionary `base`.aff and `base`.dic; null when either is missing.
  static std::unique_ptr<WordForms> open(const std::string& base);
  ~WordForms();
  WordForms(const WordForms&) = delete;
  WordForms& operator=(const WordForms&) = delete;

  bool isWord(std::string_view word) const;
  // The base forms hunspell gives for the word (the word itself among them
  // when it is one), each once.
  std::vector<std::string> stems(std::string_view word) const;
  // Whether `form` is a form of the word `base` (not a compound that
  // happens to end like one).
  bool isFormOf(std::string_view form, std::string_view base) const;
  // `base` in the form `answer` has over its stem `answerStem`: the ending
  // the answer adds to its stem, added to base the way Danish spells it
  // (føde + en: føden; kat + en: katten). Only a form the dictionary knows
  // and that leads back to `base` is given; nullopt otherwise, also for a
  // base of several words.
  std::optional<std::string> inflectLike(std::string_view base, std::string_view answer,
                                         std::string_view answerStem) const;

 private:
  explicit WordForms(std::unique_ptr<Hunspell> speller, bool latin1);
  std::optional<std::string> toDictionary(std::string_view utf8) const;
  std::string fromDictionary(const std::string& bytes) const;
  std::unique_ptr<Hunspell> speller_;
  bool latin1_;
};

// Lower case of UTF-8 text for the letters of the Latin-1 range.
std::string lowerCaseWord(std::string_view utf8);

}  // namespace vorkel
