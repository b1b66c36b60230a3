#include "dictionary/Thesaurus.h"

#include <algorithm>

#include "platform/Files.h"

namespace vorkel {

namespace {

// The stock Danish thesaurus is 4.4 MB; four times that is still a thesaurus.
constexpr std::uint64_t kMaxThesaurusBytes = 64ull << 20;

struct Term {
  std::string_view text;
  bool narrower = false;
  bool banned = false;
};

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A term with its bracketed markers taken off the end.
Term readTerm(std::string_view raw) {
  Term term;
  std::string_view s = trimmed(raw);
  while (!s.empty() && s.back() == ')') {
    const std::size_t open = s.rfind('(');
    if (open == std::string_view::npos) break;
    const std::string_view marker = s.substr(open + 1, s.size() - open - 2);
    if (marker == "underbegreb") term.narrower = true;
    else if (marker == "vulgær" || marker == "rå/ondsindet") term.banned = true;
    else if (marker != "daglig tale" && marker != "fagudtryk") break;
    s = trimmed(s.substr(0, open));
  }
  term.text = s;
  // A bracket left inside ("(én) på tæven") is no text for a clue cell.
  if (term.text.find_first_of("()") != std::string_view::npos) term.banned = true;
  return term;
}

void addOnce(std::vector<std::string_view>& list, std::string_view text) {
  if (std::find(list.begin(), list.end(), text) == list.end()) list.push_back(text);
}

std::vector<std::string> copies(const std::vector<std::string_view>& views) {
  return {views.begin(), views.end()};
}

}  // namespace

std::optional<Thesaurus> Thesaurus::load(const std::string& path, std::string& error) {
  auto text = Files::readFile(path, kMaxThesaurusBytes);
  if (!text) {
    error = "cannot read the thesaurus '" + path + "'";
    return std::nullopt;
  }
  auto t = parseOwned(std::make_shared<const std::string>(std::move(*text)), error);
  if (!t) error = path + ": " + error;
  return t;
}

std::optional<Thesaurus> Thesaurus::parse(std::string_view text, std::string& error) {
  return parseOwned(std::make_shared<const std::string>(text), error);
}

std::optional<Thesaurus> Thesaurus::parseOwned(std::shared_ptr<const std::string> source,
                                               std::string& error) {
  Thesaurus t;
  t.text_ = std::move(source);
  const std::string_view text = *t.text_;
  std::size_t pos = 0;
  auto nextLine = [&]() -> std::optional<std::string_view> {
    if (pos >= text.size()) return std::nullopt;
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  };
  const auto first = nextLine();
  if (!first || (*first != "utf-8" && *first != "UTF-8")) {
    error = "not a UTF-8 thesaurus (the first line must be utf-8)";
    return std::nullopt;
  }
  Entry* entry = nullptr;
  std::string_view headword;
  while (const auto line = nextLine()) {
    if (line->empty()) continue;
    if (line->front() != '|') {
      // "word|N": a headword never holds a bar, whatever follows it.
      const std::size_t bar = line->find('|');
      headword = trimmed(line->substr(0, bar));
      entry = headword.empty() ? nullptr : &t.synonyms_[headword];
      continue;
    }
    if (!entry) continue;
    std::string_view rest = line->substr(1);
    for (;;) {
      const std::size_t bar = rest.find('|');
      const Term term = readTerm(rest.substr(0, bar));
      if (!term.text.empty() && term.text != headword) {
        ++entry->terms;
        if (!term.banned) {
          if (term.narrower) {
            ++entry->narrower;
            entry->narrowerTerms.push_back(term.text);
            addOnce(t.broader_[term.text], headword);
          }
          else addOnce(entry->synonyms, term.text);
        }
      }
      if (bar == std::string_view::npos) break;
      rest = rest.substr(bar + 1);
    }
  }
  return t;
}

std::vector<std::string> Thesaurus::synonyms(std::string_view word) const {
  const auto it = synonyms_.find(word);
  return it == synonyms_.end() ? std::vector<std::string>{} : copies(it->second.synonyms);
}

std::vector<std::string> Thesaurus::broaderTerms(std::string_view word) const {
  const auto it = broader_.find(word);
  if (it == broader_.end()) return {};
  // A broader term in brackets or marked is no clue either.
  std::vector<std::string> out;
  for (const std::string_view b : it->second)
    if (b.find_first_of("()") == std::string_view::npos) out.emplace_back(b);
  return out;
}

std::size_t Thesaurus::entrySize(std::string_view word) const {
  const auto it = synonyms_.find(word);
  return it == synonyms_.end() ? 0 : it->second.terms;
}

std::size_t Thesaurus::narrowerCount(std::string_view word) const {
  const auto it = synonyms_.find(word);
  return it == synonyms_.end() ? 0 : it->second.narrower;
}

std::vector<std::string> Thesaurus::narrowerTerms(std::string_view word) const {
  const auto it = synonyms_.find(word);
  return it == synonyms_.end() ? std::vector<std::string>{} : copies(it->second.narrowerTerms);
}

}  // namespace vorkel
