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
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
  std::size_t headwords() const { return headwords_; }

 private:
  static std::optional<Thesaurus> parseOwned(std::shared_ptr<const std::string> text,
                                             std::string& error);

  // The file is read once and kept; what is built from it is small and
  // flat: a record per headword and one per narrower term, each pointing
  // into the text, and a headword's meaning lines are read when it is
  // asked for. Memory first touched is what a load costs most; this way a
  // load touches little more than the file.
  struct Entry {
    std::uint32_t hash;      // of the headword
    std::uint32_t headword;  // where the headword and its meaning lines are in text_
    std::uint32_t body;
    std::uint32_t bodyEnd;
    std::uint32_t terms;
    std::uint16_t headwordLength;
    std::uint16_t narrower;
  };
  // A narrower term and a headword it stands under.
  struct Kind {
    std::uint32_t hash;  // of the term
    std::uint32_t term;
    std::uint32_t headword;
    std::uint16_t termLength;
    std::uint16_t headwordLength;
  };
  std::string_view at(std::uint32_t offset, std::uint16_t length) const {
    return std::string_view(*text_).substr(offset, length);
  }
  // The entries of a headword, in the file's order (a headword may be given twice).
  std::pair<const Entry*, const Entry*> entries(std::string_view headword) const;
  // Calls visit(term) for each usable term of the headword's entries.
  template <typename Visit>
  void forEachTerm(std::string_view headword, Visit visit) const;

  std::shared_ptr<const std::string> text_;
  std::vector<Entry> entries_;  // by hash, then in the file's order
  std::vector<Kind> kinds_;     // by hash, then in the file's order
  std::size_t headwords_ = 0;
};

}  // namespace vorkel
