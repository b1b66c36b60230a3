#include "dictionary/LanguageId.h"

namespace vorkel {

std::optional<LanguageId> languageFromNumber(int number) {
  for (LanguageId id : allLanguages)
    if (toNumber(id) == number) return id;
  return std::nullopt;
}

const char* englishName(LanguageId id) {
  switch (id) {
    case LanguageId::Danish: return "Danish";
    case LanguageId::German: return "German";
    case LanguageId::Swedish: return "Swedish";
    case LanguageId::Norwegian: return "Norwegian";
    case LanguageId::Icelandic: return "Icelandic";
    case LanguageId::French: return "French";
    case LanguageId::Dutch: return "Dutch";
    case LanguageId::Italian: return "Italian";
    case LanguageId::Spanish: return "Spanish";
    case LanguageId::English: return "English";
  }
  return "?";
}

}  // namespace vorkel
