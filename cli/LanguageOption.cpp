#include "cli/LanguageOption.h"

#include "cli/Arguments.h"

namespace vorkel {

std::string languageName(LanguageId id) {
  return std::string(englishName(id)) + " (" + std::to_string(toNumber(id)) + ")";
}

std::string languageList() {
  std::string text;
  for (LanguageId id : allLanguages) {
    if (!text.empty()) text += ", ";
    text += std::to_string(toNumber(id)) + " " + englishName(id);
  }
  return text;
}

std::optional<LanguageId> parseLanguage(std::string_view text, std::string& error) {
  const std::optional<long long> given = wholeNumber(text);
  const std::optional<LanguageId> id =
      given && *given >= 0 && *given <= 10 ? languageFromNumber(static_cast<int>(*given))
                                           : std::nullopt;
  if (!id) {
    error = "--language takes a language number: " + languageList() + "; not '" +
            std::string(text) + "'";
    return std::nullopt;
  }
  if (!hasLetterTables(*id)) {
    error = "--language " + std::to_string(toNumber(*id)) + ": " + englishName(*id) +
            " has no letter tables yet; choose another of " + languageList();
    return std::nullopt;
  }
  return id;
}

}  // namespace vorkel
