// The fast fill's word index: the same words as the word store loading the
// same file, and sets that hold exactly the words with a letter.

#include "engine/WordIndex.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>
#include <string>
#include <vector>

#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordScores.h"
#include "platform/Random.h"
#include "platform/testing/ScriptedUi.h"

namespace vorkel {
namespace {

// Every word of the index as upper-case text, lengths 2..25.
std::set<std::string> wordsOf(const WordIndex& index, const Language& language) {
  std::set<std::string> words;
  for (int length = WordIndex::MinLength; length <= WordIndex::MaxLength; ++length)
    for (int w = 0; w < index.wordCount(length); ++w) {
      std::string text;
      for (int i = 0; i < length; ++i) text += static_cast<char>(language.nameOf(index.letters(length, w)[i]));
      words.insert(text);
    }
  return words;
}

TEST(WordIndexTest, HoldsExactlyTheWordsAStoreLoadsFromTheSameFile) {
  ScriptedUi ui;
  Language language;
  // Lower and upper case, a repeat, a blank ending a word, a character the
  // Danish tables do not have, one letter, 26 letters, Nordic letters.
  const std::string list =
      "kat\r\nKAT\r\nhund\r\nh\xF8ne\r\nK\xC5L\r\nbil vej\r\nx\r\nabcdefghijklmnopqrstuvwxyz\r\n"
      "caf\x80\r\nabcdefghijklmnopqrstuvwxy\r\nog\r\n";
  WordStore store(1000, language, ui);
  forEachFileWord(list, language, [&](std::string_view word) {
    store.insertWord(word);
    return true;
  });
  const std::size_t storeMessages = ui.messages.size();
  std::set<std::string> stored;
  for (int length = WordStore::MinLength; length <= WordStore::MaxLength; ++length)
    store.forEachMatch(length, "", [&](std::string_view letters) {
      stored.insert(store.codesToText(letters));
      return true;
    });

  ScriptedUi indexUi;
  const WordIndex index = WordIndex::fromWordFile(list, language, indexUi);
  EXPECT_EQ(wordsOf(index, language), stored);
  EXPECT_EQ(stored.size(), 7u);  // KAT HUND HØNE KÅL BIL OG and the 25 letters
  // The same message for the foreign character as the store shows.
  ASSERT_EQ(indexUi.messages.size(), storeMessages);
  ASSERT_GE(storeMessages, 1u);
  EXPECT_EQ(indexUi.messages.back().caption, ui.messages.back().caption);

  // Lengths outside the mask are left out.
  const WordIndex three = WordIndex::fromWordFile(list, language, indexUi, 1u << 3);
  EXPECT_EQ(wordsOf(three, language), (std::set<std::string>{"KAT", "K\xC5L", "BIL"}));
  EXPECT_EQ(three.wordCount(4), 0);
}

TEST(WordIndexTest, SetsHoldExactlyTheWordsWithTheLetterInWordOrder) {
  ScriptedUi ui;
  Language language;
  Random random(7);
  // Enough words of four letters over a small alphabet for several blocks.
  std::string list;
  std::set<std::string> words;
  for (int k = 0; k < 3000; ++k) {
    std::string w;
    for (int i = 0; i < 4; ++i) w += static_cast<char>('A' + random.below(k % 3 == 0 ? 3 : 8));
    words.insert(w);
    list += w + "\n";
  }
  list += "QZZZ\n";  // a letter at a position no other word has it
  words.insert("QZZZ");
  const WordIndex index = WordIndex::fromWordFile(list, language, ui);
  ASSERT_EQ(index.wordCount(4), static_cast<int>(words.size()));
  ASSERT_EQ(index.blockCount(4), (index.wordCount(4) + 63) / 64);

  // Word order is the order of the letters, so a word's number finds it.
  std::vector<std::string> sorted(words.begin(), words.end());
  for (int w = 0; w < index.wordCount(4); ++w) {
    const std::uint8_t* letters = index.letters(4, w);
    std::string text;
    for (int i = 0; i < 4; ++i) text += static_cast<char>(language.nameOf(letters[i]));
    EXPECT_EQ(text, sorted[static_cast<std::size_t>(w)]);
    EXPECT_EQ(index.find(4, letters), w);
  }
  const std::uint8_t absent[4] = {26, 26, 26, 26};
  EXPECT_EQ(index.find(4, absent), -1);

  for (int i = 0; i < 4; ++i) {
    for (int code = 0; code < 32; ++code) {
      const WordIndex::Block* set = index.withLetter(4, i, code);
      bool any = false;
      for (int w = 0; w < index.wordCount(4); ++w) {
        const bool has = index.letters(4, w)[i] == code;
        any = any || has;
        EXPECT_EQ((set[w / 64] >> (w % 64) & 1u) != 0, has) << i << " " << code << " " << w;
      }
      EXPECT_EQ((index.lettersAt(4, i) >> code & 1u) != 0, any);
      for (int w = index.wordCount(4); w < index.blockCount(4) * 64; ++w)
        EXPECT_EQ(set[w / 64] >> (w % 64) & 1u, 0u) << "bit past the last word";
      // A list of blocks, where there is one, names every block with a word.
      const WordIndex::BlockList blocks = index.nonZeroBlocks(4, i, code);
      if (blocks.begin == nullptr) continue;
      std::vector<std::uint32_t> nonZero;
      for (int b = 0; b < index.blockCount(4); ++b)
        if (set[b] != 0) nonZero.push_back(static_cast<std::uint32_t>(b));
      EXPECT_EQ(std::vector<std::uint32_t>(blocks.begin, blocks.end), nonZero);
    }
  }
  // Q at the first position stands in one word: a list of one block.
  const WordIndex::BlockList q = index.nonZeroBlocks(4, 0, 'Q' & 31);
  ASSERT_NE(q.begin, nullptr);
  EXPECT_EQ(q.end - q.begin, 1);
}

TEST(WordIndexTest, AFileThatCannotBeReadGivesTheStoresMessage) {
  ScriptedUi ui;
  Language language;
  EXPECT_FALSE(WordIndex::loadWordFile("/nonexistent/words.dic", language, ui).has_value());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "/nonexistent/words.dic");
}

TEST(WordIndexTest, AScoreFloorLeavesOutEveryWordBelowItAndNoneAbove) {
  ScriptedUi ui;
  Language language;
  std::string error;
  // Each length has words on both sides of the floor, one right at it, and
  // one word has no score at all.
  const std::optional<WordScores> scores = WordScores::parse(
      "kat\t49\nko\t50\nhund\t51\nhest\t0\nfar\t100\nmor\t50\nbil\t49\n", language, error);
  ASSERT_TRUE(scores) << error;
  const std::string list = "kat\nko\nhund\nhest\nfar\nmor\nbil\nok\n";
  struct Case {
    int floor;
    std::set<std::string> words;
  } cases[] = {
      {0, {"KAT", "KO", "HUND", "HEST", "FAR", "MOR", "BIL", "OK"}},
      {1, {"KAT", "KO", "HUND", "FAR", "MOR", "BIL"}},
      {50, {"KO", "HUND", "FAR", "MOR"}},
      {51, {"HUND", "FAR"}},
      {100, {"FAR"}},
  };
  for (const Case& c : cases) {
    const WordIndex index =
        WordIndex::fromWordFile(list, language, ui, WordIndex::AllLengths, &*scores, c.floor);
    EXPECT_EQ(wordsOf(index, language), c.words) << "floor " << c.floor;
    ASSERT_TRUE(index.hasScores());
    for (int length = WordIndex::MinLength; length <= 4; ++length)
      for (int w = 0; w < index.wordCount(length); ++w) {
        EXPECT_GE(index.score(length, w), c.floor) << "floor " << c.floor;
        EXPECT_EQ(index.score(length, w), std::max(0, scores->score(index.letters(length, w), length)));
      }
  }
  // Without scores every word counts as the best.
  const WordIndex plain = WordIndex::fromWordFile(list, language, ui);
  EXPECT_FALSE(plain.hasScores());
  EXPECT_EQ(plain.score(3, 0), WordIndex::MaxScore);
}

}  // namespace
}  // namespace vorkel
