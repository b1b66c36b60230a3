#include "dictionary/ClueDrafter.h"

#include <algorithm>

#include "dictionary/NumberClues.h"
#include "dictionary/StockClues.h"
#include "dictionary/Thesaurus.h"
#include "dictionary/WordForms.h"

namespace vorkel {

namespace {

// Longer texts do not fit a clue cell at a readable size.
constexpr std::size_t kMaxDraftBytes = 24;
// Stems shorter than this ("i", "en") are in too many words to rule any out.
constexpr std::size_t kShortestTellingStem = 3;

std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (c == ' ' || c == '-' || c == ',') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

// A UTF-8 text's length in characters.
std::size_t characters(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The first `count` characters of a UTF-8 text.
std::string_view firstLetters(std::string_view utf8, std::size_t count) {
  std::size_t end = 0;
  for (; end < utf8.size() && count > 0; --count)
    do ++end;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80);
  return utf8.substr(0, end);
}

// A UTF-8 text's characters, each as its bytes.
std::vector<std::string_view> lettersOf(std::string_view utf8) {
  std::vector<std::string_view> letters;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = 1;
    while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) ++n;
    letters.push_back(utf8.substr(i, n));
    i += n;
  }
  return letters;
}

// The edit distance of two texts in characters (insertions, deletions,
// changes), so that Ø for O is one change.
std::size_t editDistance(std::string_view first, std::string_view second) {
  const std::vector<std::string_view> a = lettersOf(first), b = lettersOf(second);
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// Whether a clue word is the answer spelt another way (ALKYMI: "Alkemi",
// OSTEN: "Østen"): one letter apart, two in a long word.
bool spellingVariant(std::string_view word, std::string_view answer) {
  const std::size_t wordLength = characters(word), answerLength = characters(answer);
  if (wordLength < 4 || answerLength < 4) return false;
  const std::size_t longer = std::max(wordLength, answerLength);
  const std::size_t shorter = std::min(wordLength, answerLength);
  if (longer - shorter > 2) return false;
  return editDistance(word, answer) <= (shorter >= 8 ? 2u : 1u);
}

}  // namespace

std::string capitalised(std::string_view clue) {
  if (clue.empty()) return {};
  const std::size_t first = (static_cast<unsigned char>(clue[0]) == 0xC3 && clue.size() > 1) ? 2 : 1;
  return upperCaseWord(clue.substr(0, first)) + std::string(clue.substr(first));
}

ClueDrafter::ClueDrafter(const Thesaurus* thesaurus, const WordForms* forms,
                         const ClueDatabase* database, std::string language,
                         WordCommonness commonness, const StockClues* stock)
    : thesaurus_(thesaurus),
      forms_(forms),
      database_(database),
      stock_(stock),
      language_(std::move(language)),
      commonness_(std::move(commonness)) {}

std::vector<std::string> ClueDrafter::baseForms(const std::string& word) const {
  std::vector<std::string> bases = forms_ ? forms_->stems(word) : std::vector<std::string>{};
  if (std::find(bases.begin(), bases.end(), word) == bases.end()) bases.insert(bases.begin(), word);
  return bases;
}

bool ClueDrafter::givesAway(std::string_view clue, std::string_view answer) const {
  const std::string a = lowerCaseWord(answer);
  return givesAway(clue, a, baseForms(a));
}

bool ClueDrafter::givesAway(std::string_view clue, const std::string& a,
                            const std::vector<std::string>& answerBases) const {
  const std::string c = lowerCaseWord(clue);
  if (c.find(a) != std::string::npos) return true;
  // The answer's stem as a clue word's start: BLODIG is no clue's
  // "Bloddryppende". All but the answer's last two letters, four at least,
  // in answers of five letters or more.
  const std::size_t letters = characters(a);
  const std::string_view stem =
      letters >= 5 ? firstLetters(a, std::max<std::size_t>(4, letters - 2)) : std::string_view();
  for (const std::string& word : wordsOf(c)) {
    if (!stem.empty() && word.starts_with(stem)) return true;
    for (const std::string& base : answerBases)
      if (base.size() >= kShortestTellingStem && word.find(base) != std::string::npos) return true;
    // ISTAP is no clue's "Is": a word the answer is built of gives it away.
    if (word.size() >= 2 && a.find(word) != std::string::npos) return true;
    if (spellingVariant(word, a)) return true;
    for (const std::string& base : baseForms(word))
      if (std::find(answerBases.begin(), answerBases.end(), base) != answerBases.end()) return true;
  }
  return false;
}

std::vector<ClueDraft> ClueDrafter::drafts(std::string_view answer) const {
  std::vector<ClueDraft> out;
  const std::string lowerAnswer = lowerCaseWord(answer);
  const std::vector<std::string> answerBases = baseForms(lowerAnswer);
  auto add = [&](std::string_view text, ClueSource source) {
    if (text.empty() || text.size() > kMaxDraftBytes || givesAway(text, lowerAnswer, answerBases))
      return;
    std::string clue = capitalised(text);
    for (const ClueDraft& d : out)
      if (lowerCaseWord(d.text) == lowerCaseWord(clue)) return;
    out.push_back({std::move(clue), source});
  };
  if (database_)
    for (const ClueEntry& e : database_->suggestions(answer, language_)) add(e.clue, e.source);
  if (language_ == "da")
    if (const auto figure = numberClue(answer)) add(*figure, ClueSource::Number);
  if (stock_)
    for (const std::string& clue : stock_->clues(answer)) add(clue, ClueSource::Stock);
  if (!thesaurus_) return out;

  const std::string word = lowerCaseWord(answer);
  // The headword the thesaurus clues come from: the answer or its base form.
  std::string headword = word;
  // A thesaurus clue with the word it was made from, which says how common it is.
  struct Made {
    std::string text;
    ClueSource source;
    std::string base;
    bool shared = false;  // a kind the answer's own terms share
    int rank = 0;
    std::size_t narrower = 0;  // the narrower terms of the base
  };
  std::vector<Made> made;
  // A word the scores put at 0 (an offensive word, an abbreviation) never
  // stands in a drafted clue, whatever the thesaurus says; nor does a word
  // neither the word list nor hunspell knows (a Latin name, "Cecidomyiidae"
  // for GALMYG; hunspell knows compounds such as "pigfinnefisk").
  auto known = [&](std::string_view part) {
    return commonness_(part) > 0 || (forms_ && forms_->isWord(part));
  };
  // A compound of two known words, joined directly or by the linking s or e
  // ("sports" + "rekvisit"): Danish writes compounds as one word, and neither
  // list holds them all.
  auto knownCompound = [&](std::string_view part) {
    constexpr std::size_t kShortestPart = 3;
    for (std::size_t at = kShortestPart; at + kShortestPart <= part.size(); ++at) {
      if ((static_cast<unsigned char>(part[at]) & 0xC0) == 0x80) continue;  // inside a letter
      const std::string_view head = part.substr(0, at);
      if (!known(part.substr(at))) continue;
      if (known(head)) return true;
      if ((head.back() == 's' || head.back() == 'e') && head.size() > kShortestPart &&
          known(head.substr(0, head.size() - 1)))
        return true;
    }
    return false;
  };
  auto scoredOut = [&](std::string_view base) {
    if (!commonness_) return false;
    for (std::size_t at = 0; at <= base.size();) {
      const std::size_t end = std::min(base.find(' ', at), base.size());
      const std::string_view part = base.substr(at, end - at);
      const int score = end > at ? commonness_(part) : 1;
      if (score == 0 || (score < 0 && !(forms_ && forms_->isWord(part)) && !knownCompound(part)))
        return true;
      at = end + 1;
    }
    return false;
  };
  // A kind with over a thousand narrower terms is a catch-all of the
  // thesaurus ("beskaffenhed" over every adjective, "hoved" over every
  // leader, "person"): it is never the clue an editor would print.
  constexpr std::size_t kCatchAll = 1000;
  auto make = [&](std::string_view text, ClueSource source, std::string_view base) {
    if (source == ClueSource::ThesaurusKind && thesaurus_->narrowerCount(base) > kCatchAll) return;
    if (!text.empty() && !scoredOut(base)) made.push_back({std::string(text), source, std::string(base)});
  };
  // What the answer is a kind of. A kind that is the answer made longer
  // (KRAGE under "kragefugl") stands aside for its own kinds ("fugl"), the
  // classic short clue. Not so the kind the answer ends in (KNÆLED under
  // "led"): such a word has many senses, and its kinds are mostly of another
  // ("låge").
  std::vector<std::string> inherited;  // kinds of such a kind: after the answer's own terms
  auto kindsOf = [&](const std::string& base) {
    std::vector<std::string> kinds;
    for (const std::string& b : thesaurus_->broaderTerms(base)) {
      if (base.size() < kShortestTellingStem || b.size() <= base.size() || !b.starts_with(base)) {
        kinds.push_back(b);
        continue;
      }
      for (const std::string& above : thesaurus_->broaderTerms(b)) {
        if (std::find(kinds.begin(), kinds.end(), above) != kinds.end()) continue;
        kinds.push_back(above);
        inherited.push_back(above);
      }
    }
    return kinds;
  };
  if (thesaurus_->entrySize(word) > 0 || !thesaurus_->broaderTerms(word).empty()) {
    // The answer is a headword: its terms fit it as they stand.
    for (const std::string& b : kindsOf(word)) make(b, ClueSource::ThesaurusKind, b);
    for (const std::string& s : thesaurus_->synonyms(word)) make(s, ClueSource::ThesaurusSynonym, s);
  } else if (forms_) {
    // An inflected answer: the terms of its base form, put in the answer's
    // form. The base with the larger entry is taken first (MADEN: mad, not
    // the rarer made).
    std::vector<std::string> bases = forms_->stems(word);
    std::stable_sort(bases.begin(), bases.end(), [&](const std::string& x, const std::string& y) {
      return thesaurus_->entrySize(x) > thesaurus_->entrySize(y);
    });
    for (const std::string& base : bases) {
      // The answer starts with its base, or with the base less its final e
      // when a verb's past drops it (LEDTE: lede; not in words of three
      // letters, where DIT would be a form of "die").
      const bool past = base.size() > 2 && base.back() == 'e' && word.size() >= 4 &&
                        word.size() >= base.size() &&
                        word.starts_with(std::string_view(base).substr(0, base.size() - 1));
      if (base == word || !(word.starts_with(base) || past)) continue;
      if (thesaurus_->entrySize(base) == 0 && thesaurus_->broaderTerms(base).empty()) continue;
      headword = base;
      for (const std::string& b : kindsOf(base))
        if (auto f = forms_->inflectLike(b, word, base)) make(*f, ClueSource::ThesaurusKind, b);
      for (const std::string& s : thesaurus_->synonyms(base))
        if (auto f = forms_->inflectLike(s, word, base)) make(*f, ClueSource::ThesaurusSynonym, s);
      // A base none of whose clues takes the answer's form gives way to the
      // next (ABER: the clues of "ab" have no such form; those of "abe" do).
      if (!made.empty()) break;
    }
  }
  // First the synonyms whose own entry names the answer's word back (the
  // closest in meaning), then what the answer is a kind of, a kind its own
  // terms share first, then the most specific (Rovfugl before Dyr), then the
  // other synonyms in the thesaurus' order, then words that are not common
  // and the kinds of a kind that held the answer, then clues of several
  // words, shorter first, and last a kind so general that it says little (a
  // kind of "del", "side": hundreds of narrower terms).
  constexpr std::size_t kMostNarrower = 150;
  // A kind the answer's own terms share (LOV: its synonyms "vedtægt" and
  // "statut" are a "regel" too) is the answer's main sense; a kind no term
  // of it shares is often a side sense (LOV under "frihed", as in "få lov").
  constexpr std::size_t kSharedBy = 2;
  std::vector<std::string> own = thesaurus_->synonyms(headword);
  for (std::string& n : thesaurus_->narrowerTerms(headword)) own.push_back(std::move(n));
  std::vector<std::vector<std::string>> ownRelated;
  for (const std::string& term : own) {
    std::vector<std::string> related = thesaurus_->broaderTerms(term);
    for (std::string& same : thesaurus_->synonyms(term)) related.push_back(std::move(same));
    ownRelated.push_back(std::move(related));
  }
  for (Made& d : made) {
    if (d.source != ClueSource::ThesaurusKind) continue;
    const auto count = std::count_if(ownRelated.begin(), ownRelated.end(), [&](const auto& related) {
      return std::find(related.begin(), related.end(), d.base) != related.end();
    });
    d.shared = static_cast<std::size_t>(count) >= kSharedBy;
  }
  constexpr int kCommon = 50;
  auto reciprocal = [&](const Made& d) {
    const std::vector<std::string> back = thesaurus_->synonyms(d.base);
    return std::find(back.begin(), back.end(), headword) != back.end();
  };
  auto rank = [&](Made& d) {
    d.narrower = thesaurus_->narrowerCount(d.base);
    if (d.source == ClueSource::ThesaurusKind && d.narrower > kMostNarrower)
      return 5;
    if (d.text.find(' ') != std::string::npos) return 4;
    if (commonness_ && commonness_(d.base) < kCommon) return 3;
    if (d.source == ClueSource::ThesaurusKind &&
        std::find(inherited.begin(), inherited.end(), d.base) != inherited.end())
      return 3;
    if (d.source == ClueSource::ThesaurusKind) return 1;
    return reciprocal(d) ? 0 : 2;
  };
  // Each rank is worked out once: it asks the thesaurus and the scores.
  for (Made& d : made) d.rank = rank(d);
  std::stable_sort(made.begin(), made.end(), [&](const Made& x, const Made& y) {
    if (x.rank != y.rank) return x.rank < y.rank;
    if (x.rank == 1) {
      if (x.shared != y.shared) return x.shared;
      return x.narrower < y.narrower;
    }
    if (x.rank == 4) return characters(x.text) < characters(y.text);
    return false;
  });
  for (const Made& d : made) add(d.text, d.source);
  return out;
}

}  // namespace vorkel
