#include "cli/DictSupport.h"

#include <chrono>

#include "cli/Console.h"
#include "cli/InputFile.h"
#include "dictionary/DictionaryDialogData.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordListOperations.h"

namespace vorkel {

namespace {

std::uint32_t clockSeed() {
  return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

bool readDictOptions(const Arguments& args, DictOptions& options, Console& console) {
  if (!args.language(options.language, console)) return false;
  if (const std::string* e = args.value("--encoding")) {
    const std::optional<WordListEncoding> encoding = parseWordListEncoding(*e);
    if (!encoding) {
      usageError(console, "--encoding takes auto, utf-8 or cp1252, not '" + *e + "'");
      return false;
    }
    options.encoding = *encoding;
  }
  if (args.has("--plan")) {
    int plan = 0;
    if (!args.number("--plan", plan, console)) return false;
    options.plan = plan;
  }
  if (const std::string* s = args.value("--seed")) {
    const std::optional<long long> seed = wholeNumber(*s);
    if (!seed || *seed < 0 || *seed > 0xFFFFFFFFll) {
      usageError(console, "--seed takes a number from 0 to 4294967295, not '" + *s + "'");
      return false;
    }
    options.seed = static_cast<std::uint32_t>(*seed);
  }
  return true;
}

DictSupport::DictSupport(Console& console, const DictOptions& options)
    : console_(console),
      options_(options),
      random_(options.seed ? *options.seed : clockSeed()),
      dialog_(dictionaryDialogData()),
      dictionary_(WordStore::planCapacity(MinimumPlannedWords, language_, console)),
      session_{dictionary_, language_, console, random_, dialog_, std::string()} {
  session_.encoding = options.encoding;
  if (options.language != LanguageId::Danish) language_.select(options.language, console);
  console.setLanguage(language_.id());
}

bool DictSupport::check(const std::string& given, std::string& path) {
  InputFile file;
  if (!readWordInput(console_, given, language_, options_.encoding, file)) return false;
  // The dictionary takes a file for a word list by its first byte alone.
  if (file.kind == FileKind::WordList &&
      wordFileKind(file.decoded.bytes, language_) != WordFileKind::WordList) {
    console_.say("'" + given + "' begins with a blank: the dictionary reads a word list " +
                 "only when its first byte is a letter ('vorkel dict import' takes such lists)");
    return false;
  }
  path = file.path;
  return true;
}

bool DictSupport::load(const std::string& given) {
  std::string path;
  if (!check(given, path)) return false;
  if (options_.plan) {
    session_.renew(*options_.plan);
    if (!loadWordFile(*dictionary_, path, options_.encoding))
      return console_.fail("cannot read '" + given + "' (" + path + ")") == 0;
    return true;
  }
  if (!replaceFromWordFile(session_, path))
    return console_.fail("cannot read '" + given + "' (" + path + ")") == 0;
  return true;
}

}  // namespace vorkel
