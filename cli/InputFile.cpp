#include "cli/InputFile.h"

#include <cstdint>
#include <optional>

#include "app/TemplateCheck.h"
#include "cli/Console.h"
#include "cli/LanguageOption.h"
#include "dictionary/Language.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

// The largest file read: a dictionary of every word of a language is a few
// megabytes; anything near this is no file of ours.
constexpr std::uint64_t kMaxInput = 256u << 20;

std::string quoted(std::string_view name) { return "'" + std::string(name) + "'"; }

}  // namespace

bool readInput(Console& console, std::string_view given, const Language& language,
               InputFile& file) {
  file.given = std::string(given);
  file.path = Files::findCaseInsensitive(Files::absolutePath(given));
  const std::string reason = unreadableReason(file.path);
  if (!reason.empty()) {
    console.say("cannot open " + quoted(given) + " (looked for " + file.path + "): " + reason);
    return false;
  }
  std::optional<std::string> bytes = Files::readFile(file.path, kMaxInput);
  if (!bytes) {
    console.say("cannot read " + quoted(given) + " (" + file.path + "): not a regular file, " +
                "or larger than " + std::to_string(kMaxInput >> 20) + " MB");
    return false;
  }
  file.bytes = std::move(*bytes);
  file.kind = recogniseFile(file.bytes, language);
  return true;
}

bool refuseKind(Console& console, const InputFile& file, std::string_view wanted) {
  if (file.kind == FileKind::Empty)
    console.say(quoted(file.given) + " is empty; " + std::string(wanted) + " was expected");
  else
    console.say(quoted(file.given) + " is not " + std::string(wanted) + " (it looks like " +
                describeFileKind(file.kind) + ")");
  return false;
}

bool readWordInput(Console& console, std::string_view given, const Language& language,
                   WordListEncoding encoding, InputFile& file, bool warnLeftOut) {
  if (!readInput(console, given, language, file)) return false;
  // The kind of a word list shows only once it is decoded: a UTF-8 list may
  // begin with a letter that is two bytes.
  file.decoded = decodeWordList(file.bytes, encoding);
  file.kind = recogniseFile(file.decoded.bytes, language);
  if (!isWordFileKind(file.kind)) {
    if (file.kind == FileKind::Unknown && !file.decoded.bytes.empty()) {
      const std::string first = cp1252ToUtf8(file.decoded.bytes.substr(0, 1));
      console.say(quoted(given) + " is not a dictionary: a .dic file begins with '=', a word " +
                  "list with a letter of " + languageName(language.id()) +
                  ", this one with '" + first + "'");
      return false;
    }
    return refuseKind(console, file, "a dictionary");
  }
  const DecodedWordList& d = file.decoded;
  if (d.looksLikeUtf8) {
    if (encoding == WordListEncoding::Cp1252)
      console.say("warning: " + quoted(given) + (d.allUtf8 ? " is" : " holds") +
                  " UTF-8 text, but --encoding cp1252 reads it as Windows-1252 ('ø' becomes "
                  "'Ã¸'); leave the option out or give --encoding utf-8");
    else
      console.say("warning: " + quoted(given) +
                  " is partly UTF-8 and partly not; it is read as Windows-1252. Give "
                  "--encoding utf-8 to read it as UTF-8 and leave out the lines that are not");
  }
  if (warnLeftOut && d.linesLeftOut > 0)
    console.say("warning: " + groupedNumber(d.linesLeftOut) + " line" +
                (d.linesLeftOut == 1 ? "" : "s") + " of " + quoted(given) +
                " left out: not UTF-8, or characters Windows-1252 lacks (the first is line " +
                std::to_string(d.firstLineLeftOut) + ")");
  return true;
}

bool readGridInput(Console& console, std::string_view given, const Language& language,
                   InputFile& file) {
  if (!readInput(console, given, language, file)) return false;
  if (!isGridKind(file.kind)) return refuseKind(console, file, "a crossword model or raw crossword");
  return true;
}

}  // namespace vorkel
