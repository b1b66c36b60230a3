#include "dictionary/WordListOperations.h"

#include <algorithm>
#include <climits>
#include <unordered_set>
#include <vector>

#include "dictionary/DictionarySession.h"
#include "dictionary/Language.h"
#include "dictionary/Texts.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordLookup.h"
#include "platform/Files.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

std::string_view extensionOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : path.substr(dot);
}

void insertAll(WordStore& dict, std::string_view bytes) {
  forEachFileWord(bytes, dict.language(), [&](std::string_view word) {
    dict.insertWord(word);
    return true;
  });
}

// Replaces the dictionary by a new one holding its words except `doomed`
// (keys: letter bytes). The words travel as display text, so this is done
// only when every letter reads back as itself through the language's input
// table; otherwise nothing changes and the answer is false.
bool rebuildWithout(DictionarySession& session, const std::unordered_set<std::string>& doomed) {
  const WordStore& old = *session.dictionary;
  const Language& language = old.language();
  bool readsBack[32];
  for (int code = 0; code < 32; ++code) {
    const auto letter = static_cast<unsigned char>(0x40 | code);
    readsBack[code] = (language.input(language.nameOf(code)) & 0xDF) == letter;
  }
  auto fresh = WordStore::planCapacity(std::max(old.wordCount(), MinimumPlannedWords), language,
                                        session.ui);
  std::string key;
  const bool complete = old.forEachWord(session.random, [&](std::string_view letters) {
    key.assign(letters);
    if (doomed.count(key) != 0) return true;
    for (char c : letters)
      if (!readsBack[static_cast<unsigned char>(c) & 0x1F]) return false;
    fresh->insertWord(old.codesToText(letters));
    return true;
  });
  if (!complete) return false;
  session.dictionary = std::move(fresh);
  return true;
}

}  // namespace

int plannedWordsForFile(std::uint64_t bytes) {
  const std::uint64_t words = bytes / 5;
  if (words < static_cast<std::uint64_t>(MinimumPlannedWords)) return MinimumPlannedWords;
  return static_cast<int>(std::min<std::uint64_t>(words, INT_MAX));
}

bool isWordFileName(std::string_view path) {
  const std::string_view ext = extensionOf(path);
  return ext == ".txt" || ext == ".TXT" || ext == ".dic" || ext == ".DIC";
}

bool isDictionaryFileName(std::string_view path) {
  const std::string_view ext = extensionOf(path);
  return ext == ".dic" || ext == ".DIC";
}

bool replaceFromWordFile(DictionarySession& session, const std::string& path) {
  if (!Files::exists(path)) {
    session.ui.messageBox(path, texts::cannotFindFile, Icon::Stop);
    return false;
  }
  // The file is read before the old dictionary goes, so a read that fails
  // costs the user nothing.
  std::string bytes;
  if (!readWordFile(path, session.encoding, bytes)) {
    session.ui.messageBox(texts::loadOpenFailed, path);
    return false;
  }
  WordStore& dict = session.renew(plannedWordsForFile(bytes.size()));
  insertAll(dict, bytes);
  return true;
}

bool subtractWordFile(DictionarySession& session, const std::string& path) {
  WordStore& dict = *session.dictionary;
  std::string bytes;
  if (!readWordFile(path, session.encoding, bytes)) {
    session.ui.messageBox(texts::loadOpenFailed, path);
    return false;
  }
  // The stored words of the file, once each: their letters as keys and, for
  // deleting one by one, the texts that name them. Normalising shows a
  // foreign character once; such texts are never stored.
  std::unordered_set<std::string> doomed;
  std::vector<std::string> texts;  // the visitor's word lives only for the call
  doomed.reserve(static_cast<std::size_t>(dict.wordCount()));
  forEachFileWord(bytes, dict.language(), [&](std::string_view word) {
    char letters[WordStore::MaxLength + 1];
    const int length = dict.normaliseWord(word, letters);
    if (length < WordStore::MinLength || length > WordStore::MaxLength || !dict.hasMatch(word))
      return true;
    if (doomed.emplace(letters, static_cast<std::size_t>(length)).second) texts.emplace_back(word);
    return true;
  });
  if (doomed.size() > SubtractionRebuildThreshold && rebuildWithout(session, doomed)) return true;
  for (const std::string& text : texts) dict.deleteWord(text);
  return true;
}

bool writeCommonWords(WordStore& dict, const std::string& input, const std::string& output,
                      Random& random, WordListEncoding encoding) {
  std::string bytes;
  if (!readWordFile(input, encoding, bytes)) {
    dict.ui().messageBox(texts::loadOpenFailed, input);
    return false;
  }
  std::string common = "=";
  common.reserve(bytes.size() * 2);
  forEachFileWord(bytes, dict.language(), [&](std::string_view word) {
    // Only stored words are written: texts that cannot be words would be
    // skipped when the file is read back, after a second message for each.
    if (lookUpWord(dict, word) == WordStatus::Stored) appendEncodedWord(common, word, random);
    return true;
  });
  if (!Files::writeFileAtomically(output, common)) {
    // The output is what failed: naming the input would send the user to
    // the wrong file.
    dict.ui().messageBox(texts::saveOpenFailed, output);
    return false;
  }
  return true;
}

std::string joinTemporaryPath(const DictionarySession& session) {
  return Files::joinPath(session.workFolder, texts::joinTemporaryFile);
}

bool joinWordFile(DictionarySession& session, const std::string& path) {
  const std::string temporary = joinTemporaryPath(session);
  if (!writeCommonWords(*session.dictionary, path, temporary, session.random, session.encoding))
    return false;
  std::string bytes;
  if (!readWholeFile(temporary, bytes)) {
    session.ui.messageBox(texts::loadOpenFailed, temporary);
    return false;
  }
  WordStore& dict = session.renew(JoinPlannedWords);
  insertAll(dict, bytes);
  return true;
}

}  // namespace vorkel
