#include "cli/Console.h"

#include <ostream>

#include "cli/LanguageOption.h"
#include "dictionary/Texts.h"

namespace vorkel {

namespace {

// Message texts may hold line breaks; the terminal shows them on one line.
std::string oneLine(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c == '\n' || c == '\r') c = ' ';
  return s;
}

}  // namespace

std::string groupedNumber(long long n) {
  std::string digits = std::to_string(n < 0 ? -n : n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return n < 0 ? "-" + out : out;
}

Console::Console(std::ostream& err, std::string_view command)
    : err_(err), command_(command) {}

Console::~Console() {
  flush();
  // The counts of the messages that came too often to show each.
  for (const std::string& caption : order_) {
    const Caption& c = captions_[caption];
    if (c.count > c.writtenCount) say(summaryOf(caption, c.count));
  }
}

void Console::say(std::string_view line) {
  // Messages about single words came before this line and do not explain
  // it: they go first, under their own heading.
  writeKept(Kept::PerWord);
  err_ << "vorkel " << command_ << ": " << line << '\n';
  writeKept(Kept::Below);
  err_.flush();
}

void Console::detail(std::string_view line) {
  err_ << "  " << line << '\n';
  writeKept(Kept::Below);
  err_.flush();
}

int Console::fail(std::string_view line) {
  say(line);
  return 1;
}

void Console::flush() {
  writeKept(Kept::Headed);
  err_.flush();
}

std::string Console::summaryOf(const std::string& caption, int count) const {
  if (caption == texts::foreignCharacter)
    return groupedNumber(count) + (count == 1 ? " word has" : " words have") +
           " letters that " + languageName(language_) + " has not; skipped";
  return groupedNumber(count) + " messages \"" + oneLine(caption) + "\" in all";
}

bool Console::perWord(const std::string& caption) { return caption == texts::foreignCharacter; }

void Console::writeKept(Kept which) {
  for (const std::string& caption : order_) {
    Caption& c = captions_[caption];
    if (c.written == c.texts.size()) continue;
    if (which == Kept::PerWord && !perWord(caption)) continue;
    if (!c.headed && (which != Kept::Below || perWord(caption))) {
      err_ << "vorkel " << command_ << ": "
           << (perWord(caption) ? "words with letters that " + languageName(language_) +
                                      " has not are skipped:"
                                : std::string("the program says:"))
           << '\n';
    }
    c.headed = true;
    for (; c.written < c.texts.size(); ++c.written) {
      err_ << "  " << (caption.empty() ? "" : oneLine(caption) + ": ")
           << oneLine(c.texts[c.written]);
      const int n = c.repeats[c.written];
      if (n > 1) err_ << " (" << groupedNumber(n) << " times)";
      c.writtenCount += n;
      err_ << '\n';
    }
  }
}

Answer Console::messageBox(std::string_view text, std::string_view caption, Icon,
                           Buttons buttons) {
  ++messages_;
  const std::string key(caption);
  auto [it, fresh] = captions_.try_emplace(key);
  if (fresh) order_.push_back(key);
  Caption& c = it->second;
  ++c.count;
  bool known = false;
  for (std::size_t i = 0; i < c.texts.size(); ++i)
    if (c.texts[i] == text) {
      // A repeat already written is counted in the summary instead.
      if (i >= c.written) ++c.repeats[i];
      known = true;
    }
  if (!known && c.texts.size() < static_cast<std::size_t>(ShownPerCaption)) {
    c.texts.emplace_back(text);
    c.repeats.push_back(1);
  }
  return answerFor(buttons);
}

Answer CommandLineUi::answerFor(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
    case Buttons::RetryCancel:
      return Answer::Cancel;
    case Buttons::AbortRetryIgnore:
      return Answer::Abort;
    default:
      return Answer::Ok;
  }
}

bool Console::pollKey(KeyMessage& key) {
  if (keys_.empty()) return false;
  key = keys_.front();
  keys_.pop_front();
  return true;
}

}  // namespace vorkel
