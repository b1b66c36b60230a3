#include "cli/LanguageOption.h"

#include "cli/Arguments.h"

namespace vorkel {

namespace {

struct Entry {
  int number;
  const char* name;
};

// In the order of their numbers.
constexpr Entry kLanguages[] = {{0, "Danish"},  {2, "German"}, {3, "Swedish"},
                                {4, "Norwegian"}, {5, "Icelandic"}, {6, "French"},
                                {7, "Dutch"},   {8, "Italian"}, {9, "Spanish"},
                                {10, "English"}};

const char* nameOf(int number) {
  for (const Entry& e : kLanguages)
    if (e.number == number) return e.name;
  return nullptr;
}

}  // namespace

std::string languageName(int number) {
  const char* name = nameOf(number);
  if (name == nullptr) return "language " + std::to_string(number) + " (no such language)";
  return std::string(name) + " (" + std::to_string(number) + ")";
}

bool isLanguageNumber(int number) { return nameOf(number) != nullptr; }

std::string languageList() {
  std::string text;
  for (const Entry& e : kLanguages) {
    if (!text.empty()) text += ", ";
    text += std::to_string(e.number) + " " + e.name;
  }
  return text;
}

std::optional<int> parseLanguage(std::string_view text, std::string& error) {
  const std::optional<long long> given = wholeNumber(text);
  const int number = given && *given >= 0 && *given <= 10 ? static_cast<int>(*given) : -1;
  if (!isLanguageNumber(number)) {
    error = "--language takes a language number: " + languageList() + "; not '" +
            std::string(text) + "'";
    return std::nullopt;
  }
  if (!languageHasTables(number)) {
    error = "--language " + std::to_string(number) + ": " + nameOf(number) +
            " has no letter tables yet; choose another of " + languageList();
    return std::nullopt;
  }
  return number;
}

}  // namespace vorkel
