#include "dictionary/WordStore.h"

#include <algorithm>
#include <climits>

#include "dictionary/Language.h"
#include "dictionary/Texts.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

constexpr std::uint32_t LinkMask = LengthBucket::LinkMask;

bool isLetterByte(unsigned char b) { return b >= 0x40 && b <= 0x5F; }

unsigned char letterOf(WordCell cell) { return static_cast<unsigned char>(cell >> 24); }

LetterSet bitOf(unsigned char letter) { return LetterSet{1} << (letter & 0x1F); }

// Starting capacity and growth step of each length for a planned total of n
// words (integer division).
struct Sizing {
  int capacity;
  int growthStep;
};

Sizing sizingFor(int length, std::int64_t n) {
  auto part = [n](std::int64_t numerator, std::int64_t divisor) {
    return static_cast<int>(std::min<std::int64_t>(numerator * n / divisor, INT_MAX));
  };
  switch (length) {
    case 2: return {400, 50};
    case 3: return {part(1, 100), 100};
    case 4: return {part(3, 117), 500};
    case 5: return {part(5, 117), 500};
    case 6: return {part(9, 117), 500};
    case 7: return {part(13, 117), 1000};
    case 8: return {part(12, 117), 1000};
    case 9: return {part(12, 117), 1000};
    case 10: return {part(11, 117), 1000};
    case 11: return {part(9, 117), 500};
    case 12: return {part(7, 117), 500};
    case 13: return {part(7, 117), 500};
    case 14: return {part(5, 117), 500};
    case 15: return {part(4, 117), 500};
    case 16: return {part(4, 117), 500};
    case 17: return {part(3, 100), 500};
    case 18: return {part(2, 117), 500};
    case 19: return {part(2, 117), 250};
    case 20: return {part(1, 100), 100};
    default: return {part(1, 200), 100};  // 21..25
  }
}

}  // namespace

// A pattern prepared for a walk: its fixed positions and the two rarest.
struct WordStore::Plan {
  int length = 0;
  unsigned char letters[MaxLength] = {};  // letter byte, or 0 where unknown
  int fixed[MaxLength] = {};              // the known positions, left to right
  int fixedCount = 0;
  int rarest = -1;  // known position with the shortest chain (earliest on ties)
  int second = -1;  // the next shortest, tested before the full comparison
};

WordStore::WordStore(int plannedWords, const Language& language, Ui& ui)
    : language_(language), ui_(ui) {
  const std::int64_t n = std::max(plannedWords, 0);
  for (int length = MinLength; length <= MaxLength; ++length) {
    const Sizing s = sizingFor(length, n);
    buckets_[length].init(length, s.capacity, s.growthStep);
  }
}

void WordStore::reportForeignCharacter(std::string_view rest) const {
  ui_.messageBox(cp1252ToUtf8(rest), texts::foreignCharacter);
}

int wordLetters(const Language& language, std::string_view text, char (&out)[26],
                std::string_view* foreign) {
  int n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == 0 || b == ' ') break;
    const auto letter = static_cast<unsigned char>(language.input(b) & 0xDF);
    if (!isLetterByte(letter)) {
      if (foreign != nullptr) {
        *foreign = text.substr(i);
        *foreign = foreign->substr(0, foreign->find('\0'));
      }
      out[0] = 0;
      return 0;
    }
    if (n < WordStore::MaxLength) out[n] = static_cast<char>(letter);
    ++n;
  }
  out[std::min(n, WordStore::MaxLength)] = 0;
  return n;
}

int WordStore::normaliseWord(std::string_view text, char (&out)[MaxLength + 1]) const {
  std::string_view foreign;
  const int n = wordLetters(language_, text, out, &foreign);
  if (n == 0 && !foreign.empty()) reportForeignCharacter(foreign);
  return n;
}

int WordStore::normalisePattern(std::string_view pattern, char (&out)[MaxLength + 1]) const {
  int n = 0;
  for (std::size_t i = 0; i < pattern.size() && n < MaxLength; ++i) {
    const auto b = static_cast<unsigned char>(pattern[i]);
    if (b == 0) break;
    if (b == ' ' || b == '.' || b == '?') {
      out[n++] = Blank;
      continue;
    }
    const auto letter = static_cast<unsigned char>(language_.input(b) & 0xDF);
    out[n++] = isLetterByte(letter) ? static_cast<char>(letter) : '\x01';
  }
  out[n] = 0;
  return n;
}

std::string WordStore::codesToText(std::string_view letters) const {
  std::string text(letters.size(), '\0');
  for (std::size_t i = 0; i < letters.size(); ++i)
    text[i] = static_cast<char>(language_.nameOf(static_cast<unsigned char>(letters[i]) & 0x1F));
  return text;
}

// Prepares `pattern` (letter bytes and blanks, NUL-ended or `length` long;
// positions after a NUL are unknown) for bucket `length`. False when a known
// position holds a byte that is no letter: then no word can match.
//
// The rarest chain is chosen by strict comparison from the left, so the
// earlier position wins ties; a new best hands the old one down as second.
bool WordStore::makePlan(int length, const char* pattern, Plan& plan) const {
  const LengthBucket& bucket = buckets_[length];
  plan.length = length;
  int bestCount = INT_MAX;
  int secondCount = INT_MAX;
  bool ended = false;
  for (int i = 0; i < length; ++i) {
    const unsigned char b = ended ? 0 : static_cast<unsigned char>(pattern[i]);
    if (b == 0) ended = true;
    if (b == 0 || b == ' ') {
      plan.letters[i] = 0;
      continue;
    }
    if (!isLetterByte(b)) return false;
    plan.letters[i] = b;
    plan.fixed[plan.fixedCount++] = i;
    const int count = bucket.chain(i, b & 0x1F).count;
    if (count < bestCount) {
      plan.second = plan.rarest;
      secondCount = bestCount;
      plan.rarest = i;
      bestCount = count;
    } else if (count < secondCount) {
      plan.second = i;
      secondCount = count;
    }
  }
  return true;
}

namespace {

// Walks the chain of (position, code) newest first, calling f(word) with a
// pointer to the word's first cell; stops when f returns false.
template <class F>
bool walkChain(const LengthBucket& bucket, int position, int code, F&& f) {
  const WordCell* cells = bucket.cells();
  for (std::uint32_t at = bucket.chain(position, code).head; at != 0; at = cells[at] & LinkMask)
    if (!f(cells + (at - static_cast<std::uint32_t>(position)))) return false;
  return true;
}

// The known letters of the plan all stand in the word.
template <class P>
bool fixedMatch(const P& plan, const WordCell* word) {
  for (int k = 0; k < plan.fixedCount; ++k) {
    const int i = plan.fixed[k];
    if (letterOf(word[i]) != plan.letters[i]) return false;
  }
  return true;
}

// Copies a word's letters into `out` (NUL-ended) for a visitor.
std::string_view spell(const WordCell* word, int length, char (&out)[WordStore::MaxLength + 1]) {
  for (int i = 0; i < length; ++i) out[i] = static_cast<char>(letterOf(word[i]));
  out[length] = 0;
  return {out, static_cast<std::size_t>(length)};
}

}  // namespace

bool WordStore::patternTest(int length, const char* letters) const {
  Plan plan;
  if (!makePlan(length, letters, plan)) return false;
  const LengthBucket& bucket = buckets_[length];
  if (plan.fixedCount == 0) return bucket.count() > 0;
  const int rarest = plan.rarest;
  if (plan.fixedCount == 1) return bucket.chain(rarest, plan.letters[rarest] & 0x1F).count > 0;
  if (plan.fixedCount == length) return bucket.find(plan.letters) != 0;  // a whole word
  bool found = false;
  walkChain(bucket, rarest, plan.letters[rarest] & 0x1F, [&](const WordCell* word) {
    if (letterOf(word[plan.second]) != plan.letters[plan.second]) return true;
    found = fixedMatch(plan, word);
    return !found;
  });
  return found;
}

bool WordStore::insertWord(std::string_view text) {
  char word[MaxLength + 1];
  const int length = normaliseWord(text, word);
  return insertLetters(word, length);
}

void WordStore::insertWords(std::span<const std::string_view> texts) {
  constexpr std::size_t kAhead = 8;
  struct Pending {
    char word[MaxLength + 1];
    int length = 0;
  };
  std::array<Pending, kAhead> ring;
  const std::size_t n = texts.size();
  auto prepare = [&](std::size_t i) {
    Pending& p = ring[i % kAhead];
    p.length = normaliseWord(texts[i], p.word);
    if (p.length >= MinLength && p.length <= MaxLength)
      buckets_[p.length].prefetch(reinterpret_cast<const unsigned char*>(p.word));
  };
  for (std::size_t i = 0; i < std::min(n, kAhead); ++i) prepare(i);
  for (std::size_t i = 0; i < n; ++i) {
    const Pending current = ring[i % kAhead];
    if (i + kAhead < n) prepare(i + kAhead);
    insertLetters(current.word, current.length);
  }
}

bool WordStore::insertLetters(const char* word, int length) {
  if (length < MinLength || length > MaxLength) return false;
  LengthBucket& bucket = buckets_[length];
  const auto* letters = reinterpret_cast<const unsigned char*>(word);
  if (bucket.find(letters) != 0) return false;
  if (bucket.add(letters) != LengthBucket::AddResult::Added) {
    ui_.messageBox(texts::outOfMemory, texts::outOfMemoryCaption, Icon::Stop);
    return false;
  }
  return true;
}

void WordStore::reserve(const std::array<int, MaxLength + 1>& words) {
  for (int length = MinLength; length <= MaxLength; ++length)
    if (words[length] > 0) buckets_[length].reserve(static_cast<std::size_t>(words[length]));
}

void WordStore::deleteWord(std::string_view text) {
  char word[MaxLength + 1];
  const int length = normaliseWord(text, word);
  if (length < MinLength || length > MaxLength) return;
  LengthBucket& bucket = buckets_[length];
  const std::uint32_t slot = bucket.find(reinterpret_cast<const unsigned char*>(word));
  const std::string caption = cp1252ToUtf8(codesToText({word, static_cast<std::size_t>(length)}));
  if (slot == 0) {
    // Not stored: unlinking would corrupt the counts, so nothing changes.
    ui_.messageBox(texts::deleteFailed, caption);
    return;
  }
  for (int missing = bucket.remove(slot); missing > 0; --missing)
    ui_.messageBox(texts::deleteFailed, caption);
}

bool WordStore::hasMatch(std::string_view text) {
  char word[MaxLength + 1];
  const int length = normaliseWord(text, word);
  if (length < MinLength || length > MaxLength) return true;
  // A normalised word has no blanks, so the pattern test is the membership
  // test, which the bucket's index answers directly.
  return buckets_[length].find(reinterpret_cast<const unsigned char*>(word)) != 0;
}

void WordStore::findCandidates(int length, std::string_view pattern, const LetterSet* sets,
                                WordVisitor sink) {
  if (length < MinLength || length > MaxLength) return;
  char normalised[MaxLength + 1];
  normalisePattern(pattern, normalised);
  Plan plan;
  if (!makePlan(length, normalised, plan)) return;
  const LengthBucket& bucket = buckets_[length];

  // Unknown positions, whose letters must be in their sets.
  int open[MaxLength];
  int openCount = 0;
  for (int i = 0; i < length; ++i)
    if (plan.letters[i] == 0) open[openCount++] = i;
  auto setsAllow = [&](const WordCell* word) {
    for (int k = 0; k < openCount; ++k) {
      const int i = open[k];
      if (!(sets[i] & bitOf(letterOf(word[i])))) return false;
    }
    return true;
  };

  char out[MaxLength + 1];
  auto offer = [&](const WordCell* word) { return sink(spell(word, length, out)); };

  if (plan.fixedCount >= 2) {
    const int second = plan.second;
    walkChain(bucket, plan.rarest, plan.letters[plan.rarest] & 0x1F, [&](const WordCell* word) {
      if (letterOf(word[second]) != plan.letters[second]) return true;
      if (!fixedMatch(plan, word) || !setsAllow(word)) return true;
      return offer(word);
    });
  } else if (plan.fixedCount == 1) {
    walkChain(bucket, plan.rarest, plan.letters[plan.rarest] & 0x1F, [&](const WordCell* word) {
      return !setsAllow(word) || offer(word);
    });
  } else {
    queryCounter_ += 1;
    const int position = queryCounter_ % length;
    queryCounter_ = (queryCounter_ + 1) & 31;
    const int start = queryCounter_;
    for (int k = 0; k < 32; ++k) {
      const bool more = walkChain(bucket, position, (start + k) & 31, [&](const WordCell* word) {
        return !setsAllow(word) || offer(word);
      });
      if (!more) return;
    }
  }
}

bool WordStore::possibleLetters(Crossing& crossing) const {
  const int length = crossing.length;
  const int index = crossing.index;
  if (length < MinLength || length > MaxLength || index < 0 || index >= length) return false;
  const auto shared = static_cast<unsigned char>(crossing.letter);
  if (shared != 0 && shared != ' ') {
    if (!isLetterByte(shared)) return false;
    crossing.letters |= bitOf(shared);
    return patternTest(length, crossing.pattern);
  }

  Plan plan;
  if (!makePlan(length, crossing.pattern, plan)) return false;
  const LengthBucket& bucket = buckets_[length];
  LetterSet found = 0;
  bool any = false;
  if (plan.fixedCount == 0) {
    for (int code = 0; code < 32; ++code)
      if (bucket.chain(index, code).count > 0) found |= LetterSet{1} << code;
    any = found != 0;
  } else if (plan.fixedCount == 1) {
    walkChain(bucket, plan.rarest, plan.letters[plan.rarest] & 0x1F, [&](const WordCell* word) {
      found |= bitOf(letterOf(word[index]));
      return true;
    });
    any = bucket.chain(plan.rarest, plan.letters[plan.rarest] & 0x1F).count > 0;
  } else {
    const int second = plan.second;
    walkChain(bucket, plan.rarest, plan.letters[plan.rarest] & 0x1F, [&](const WordCell* word) {
      // Once a match is known, a word whose letter is already in the set
      // cannot change the answer; skip its comparison.
      const LetterSet bit = bitOf(letterOf(word[index]));
      if (any && (found & bit)) return true;
      if (letterOf(word[second]) != plan.letters[second] || !fixedMatch(plan, word)) return true;
      found |= bit;
      any = true;
      return true;
    });
  }
  crossing.letters |= found;
  return any;
}

void WordStore::forEachMatch(int length, std::string_view pattern, WordVisitor visitor) {
  if (length < MinLength || length > MaxLength) return;
  char normalised[MaxLength + 1];
  normalisePattern(pattern, normalised);
  Plan plan;
  if (!makePlan(length, normalised, plan)) return;
  const LengthBucket& bucket = buckets_[length];
  char out[MaxLength + 1];
  auto offer = [&](const WordCell* word) { return visitor(spell(word, length, out)); };

  if (plan.fixedCount >= 2) {
    const int second = plan.second;
    walkChain(bucket, plan.rarest, plan.letters[plan.rarest] & 0x1F, [&](const WordCell* word) {
      if (letterOf(word[second]) != plan.letters[second] || !fixedMatch(plan, word)) return true;
      return offer(word);
    });
  } else if (plan.fixedCount == 1) {
    walkChain(bucket, plan.rarest, plan.letters[plan.rarest] & 0x1F, offer);
  } else {
    // The start position is taken before the counter moves.
    const int position = queryCounter_ % length;
    queryCounter_ += 1;
    queryCounter_ = (queryCounter_ + 1) & 31;
    const int start = queryCounter_;
    for (int k = 0; k < 32; ++k)
      if (!walkChain(bucket, position, (start + k) & 31, offer)) return;
  }
}

bool WordStore::forEachWord(Random& random, WordVisitor visitor) const {
  char out[MaxLength + 1];
  for (int length = MinLength; length <= MaxLength; ++length) {
    const LengthBucket& bucket = buckets_[length];
    const int position = random.next() % length;
    for (int code = 0; code < 32; ++code) {
      const bool more = walkChain(bucket, position, code, [&](const WordCell* word) {
        return visitor(spell(word, length, out));
      });
      if (!more) return false;
    }
  }
  return true;
}

WordStore::BucketFigures WordStore::figures(int length) const {
  if (length < MinLength || length > MaxLength) return {};
  const LengthBucket& b = buckets_[length];
  return {b.count(), b.capacity(), b.growthStep()};
}

int WordStore::wordCount() const {
  int total = 0;
  for (int length = MinLength; length <= MaxLength; ++length) total += buckets_[length].count();
  return total;
}

}  // namespace vorkel
