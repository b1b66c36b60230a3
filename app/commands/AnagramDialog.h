#pragma once
// "Lav Anagram": the "Find anagrammer" dialog and the searches it starts.
//
// The dialog offers four searches (all combinations, with a given word, with
// a verb from "verbs.txt", with a word from a list the user chooses) and the
// four limits of AnagramSettings. Each search asks for its phrase, writes
// "anagram.txt" and shows it with the desktop's handler.
//
//   AnagramDialog anagrams;              // one per application context
//   anagrams.run(context.dictionary(), ui);
//
// Kept between uses for the life of the object: the four limit texts, the
// two texts of the "given word" dialog and the verb list (read from
// "verbs.txt" on the first verb search; a list search replaces it and leaves
// it empty, so the next verb search reads "verbs.txt" again).
//
// Both files live in `folder` (default: the current directory). All dialog
// texts are UTF-8; phrases and words are read as Windows-1252.

#include <string>

#include "dictionary/AnagramWordList.h"

namespace vorkel {

class WordStore;
class Ui;

class AnagramDialog {
 public:
  // Field and button names of the forms, for front-ends and tests.
  static constexpr const char* Id = "anagram";
  static constexpr const char* ShortestField = "mindst";
  static constexpr const char* LongestField = "hoejst";
  static constexpr const char* AnswersField = "svar";
  static constexpr const char* WordsField = "ord";
  static constexpr const char* WordId = "anagram-ord";
  static constexpr const char* ListId = "anagram-liste";
  static constexpr const char* PhraseField = "tekst";
  static constexpr const char* GivenWordField = "ord";
  static constexpr const char* ListFileField = "fil";
  static constexpr const char* Ok = "OK";
  static constexpr const char* Cancel = "Cancel";

  static constexpr const char* ResultFile = "anagram.txt";
  static constexpr const char* VerbFile = "verbs.txt";

  explicit AnagramDialog(std::string folder = {}) : folder_(std::move(folder)) {}

  // Shows "Find anagrammer" and runs the chosen search.
  void run(WordStore& dict, Ui& ui);

 private:
  enum class Kind { All, WithWord, WithVerb, WithList };
  void search(Kind kind, WordStore& dict, Ui& ui);
  bool askWordDialog(Ui& ui);
  bool askListDialog(Ui& ui, std::string& phrase, std::string& path);
  bool saveAndShow(const std::string& text, Ui& ui);
  std::string path(const char* name) const;

  std::string folder_;
  std::string shortest_ = "3";
  std::string longest_ = "25";
  std::string answers_ = "2000";
  std::string words_ = "3";
  std::string wordPhrase_;  // the "given word" dialog's texts (UTF-8)
  std::string givenWord_;
  AnagramWordList list_;
};

}  // namespace vorkel
