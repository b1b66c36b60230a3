#pragma once
// A thesaurus in the MyThes text format (the .dat file of Debian's mythes
// packages): after a first line naming the encoding (only "utf-8" is
// read), each entry is a headword line "word|N" followed by N meaning
// lines "|term|term|...". A term may carry markers in brackets:
// "(underbegreb)" makes it a narrower term (babymad under "mad": babymad is
// a kind of mad), "(vulgær)" and "(rå/ondsindet)" mark words no clue may
// use, "(daglig tale)" and "(fagudtryk)" only describe the register.
//
//   std::string error;
//   auto t = Thesaurus::load("/usr/share/mythes/th_da_DK.dat", error);
//   t->synonyms("mad");      // "kost", "føde", ... without marked words
//   t->broaderTerms("ørn");  // "rovfugl": what an ørn is a kind of

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vorkel {

class Thesaurus {
 public:
  // The thesaurus file at `path`; nullopt with `error` set when it cannot be
  // read or is not a UTF-8 thesaurus.
  static std::optional<Thesaurus> load(const std::string& path, std::string& error);
  // The same from the text of a file. Lines that do not fit the format are
  // skipped; a headword announcing more meanings than follow takes those there are.
  static std::optional<Thesaurus> parse(std::string_view text, std::string& error);

  // The synonyms of a headword (lower case, as the thesaurus writes it), in
  // the thesaurus' order, each once: no narrower terms, no vulgar or
  // offensive ones, no term with a bracket left after its markers.
  std::vector<std::string> synonyms(std::string_view word) const;
  // The headwords under which `word` is a narrower term.
  std::vector<std::string> broaderTerms(std::string_view word) const;
  // How many terms the headword lists: a rough measure of how common it is.
  std::size_t entrySize(std::string_view word) const;
  // How many narrower terms the headword has: a kind with hundreds ("del",
  // "side") says too little to clue by.
  std::size_t narrowerCount(std::string_view word) const;
  // The narrower terms of a headword (babymad for mad), in the thesaurus' order.
  std::vector<std::string> narrowerTerms(std::string_view word) const;
  std::size_t headwords() const { return synonyms_.size(); }

 private:
  static std::optional<Thesaurus> parseOwned(std::shared_ptr<const std::string> text,
                                             std::string& error);

  // Every text below is a view into text_, the file read once: a thesaurus
  // of a million terms is then a few allocations per entry, not per term.
  struct Entry {
    std::vector<std::string_view> synonyms;
    std::vector<std::string_view> narrowerTerms;
    std::size_t terms = 0;
    std::size_t narrower = 0;
  };
  std::shared_ptr<const std::string> text_;
  std::unordered_map<std::string_view, Entry> synonyms_;
  std::unordered_map<std::string_view, std::vector<std::string_view>> broader_;
};

}  // namespace vorkel
