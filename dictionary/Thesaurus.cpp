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

namespace {

std::uint32_t hashOf(std::string_view s) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

// Calls visit(term) for each term of the meaning lines in `body`.
template <typename Visit>
void forEachRawTerm(std::string_view body, Visit visit) {
  std::size_t pos = 0;
  while (pos < body.size()) {
    std::size_t end = body.find('\n', pos);
    if (end == std::string_view::npos) end = body.size();
    std::string_view rest = body.substr(pos, end - pos);
    pos = end + 1;
    if (rest.empty() || rest.front() != '|') continue;
    rest.remove_prefix(1);
    for (;;) {
      const std::size_t bar = rest.find('|');
      visit(readTerm(rest.substr(0, bar)));
      if (bar == std::string_view::npos) break;
      rest = rest.substr(bar + 1);
    }
  }
}

}  // namespace

std::optional<Thesaurus> Thesaurus::parseOwned(std::shared_ptr<const std::string> source,
                                               std::string& error) {
  Thesaurus t;
  t.text_ = std::move(source);
  const std::string_view text = *t.text_;
  // Offsets and lengths are kept in 32 and 16 bits; the load refuses larger files.
  if (text.size() > UINT32_MAX) {
    error = "the thesaurus is too large";
    return std::nullopt;
  }
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
  auto offset = [&](std::string_view part) { return static_cast<std::uint32_t>(part.data() - text.data()); };
  // The stock file has a headword per 140 bytes and a narrower term per 44.
  t.entries_.reserve(text.size() / 128);
  t.kinds_.reserve(text.size() / 40);
  for (;;) {
    const auto line = nextLine();
    if (!line) break;
    // A last line without its line break leaves pos one past the end.
    pos = std::min(pos, text.size());
    if (line->empty() || line->front() == '|') continue;
    // "word|N": a headword never holds a bar, whatever follows it.
    const std::string_view headword = trimmed(line->substr(0, line->find('|')));
    if (headword.empty() || headword.size() > UINT16_MAX) continue;
    t.entries_.push_back({hashOf(headword), offset(headword), static_cast<std::uint32_t>(pos),
                          static_cast<std::uint32_t>(pos), 0,
                          static_cast<std::uint16_t>(headword.size()), 0});
    Entry* entry = &t.entries_.back();
    // Count the entry's terms and note the kinds it names, then go on after it.
    std::size_t end = pos;
    while (end < text.size() && (text[end] == '|' || text[end] == '\n' || text[end] == '\r')) {
      const std::size_t next = text.find('\n', end);
      end = next == std::string_view::npos ? text.size() : next + 1;
    }
    forEachRawTerm(text.substr(pos, end - pos), [&](const Term& term) {
      if (term.text.empty() || term.text == headword) return;
      ++entry->terms;
      if (term.banned || !term.narrower || term.text.size() > UINT16_MAX) return;
      if (entry->narrower < UINT16_MAX) ++entry->narrower;
      t.kinds_.push_back({hashOf(term.text), offset(term.text), entry->headword,
                          static_cast<std::uint16_t>(term.text.size()), entry->headwordLength});
    });
    pos = end;
    entry->bodyEnd = static_cast<std::uint32_t>(end);
  }
  // Equal hashes stay in the file's order: records were made in it.
  std::sort(t.entries_.begin(), t.entries_.end(), [](const Entry& a, const Entry& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.headword < b.headword;
  });
  std::sort(t.kinds_.begin(), t.kinds_.end(), [](const Kind& a, const Kind& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.term < b.term;
  });
  for (std::size_t i = 0; i < t.entries_.size(); ++i) {
    const Entry& e = t.entries_[i];
    bool seen = false;
    for (std::size_t j = i; j-- > 0 && t.entries_[j].hash == e.hash;)
      seen = seen || t.at(t.entries_[j].headword, t.entries_[j].headwordLength) ==
                         t.at(e.headword, e.headwordLength);
    if (!seen) ++t.headwords_;
  }
  return t;
}

std::pair<const Thesaurus::Entry*, const Thesaurus::Entry*> Thesaurus::entries(
    std::string_view headword) const {
  const std::uint32_t h = hashOf(headword);
  const auto [from, to] = std::equal_range(
      entries_.begin(), entries_.end(), Entry{h, 0, 0, 0, 0, 0, 0},
      [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
  return {entries_.data() + (from - entries_.begin()), entries_.data() + (to - entries_.begin())};
}

template <typename Visit>
void Thesaurus::forEachTerm(std::string_view headword, Visit visit) const {
  const auto [from, to] = entries(headword);
  for (const Entry* e = from; e != to; ++e) {
    if (at(e->headword, e->headwordLength) != headword) continue;
    forEachRawTerm(std::string_view(*text_).substr(e->body, e->bodyEnd - e->body), [&](const Term& term) {
      if (!term.text.empty() && term.text != headword && !term.banned) visit(term);
    });
  }
}

std::vector<std::string> Thesaurus::synonyms(std::string_view word) const {
  std::vector<std::string> out;
  forEachTerm(word, [&](const Term& term) {
    if (!term.narrower && std::find(out.begin(), out.end(), term.text) == out.end())
      out.emplace_back(term.text);
  });
  return out;
}

std::vector<std::string> Thesaurus::narrowerTerms(std::string_view word) const {
  std::vector<std::string> out;
  forEachTerm(word, [&](const Term& term) {
    if (term.narrower) out.emplace_back(term.text);
  });
  return out;
}

std::vector<std::string> Thesaurus::broaderTerms(std::string_view word) const {
  const std::uint32_t h = hashOf(word);
  auto it = std::lower_bound(kinds_.begin(), kinds_.end(), h,
                             [](const Kind& k, std::uint32_t v) { return k.hash < v; });
  std::vector<std::string> out;
  for (; it != kinds_.end() && it->hash == h; ++it) {
    const std::string_view headword = at(it->headword, it->headwordLength);
    // A broader term in brackets or marked is no clue either.
    if (at(it->term, it->termLength) != word || headword.find_first_of("()") != std::string_view::npos)
      continue;
    if (std::find(out.begin(), out.end(), headword) == out.end()) out.emplace_back(headword);
  }
  return out;
}

std::size_t Thesaurus::entrySize(std::string_view word) const {
  std::size_t terms = 0;
  const auto [from, to] = entries(word);
  for (const Entry* e = from; e != to; ++e)
    if (at(e->headword, e->headwordLength) == word) terms += e->terms;
  return terms;
}

std::size_t Thesaurus::narrowerCount(std::string_view word) const {
  std::size_t narrower = 0;
  const auto [from, to] = entries(word);
  for (const Entry* e = from; e != to; ++e)
    if (at(e->headword, e->headwordLength) == word) narrower += e->narrower;
  return narrower;
}

}  // namespace vorkel
