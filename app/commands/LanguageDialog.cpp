#include "app/commands/LanguageDialog.h"

#include <string>

#include "dictionary/Language.h"
#include "dictionary/LanguageChoice.h"
#include "platform/Ui.h"

namespace vorkel {

std::optional<LanguageId> runLanguageDialog(Language& language, Ui& ui) {
  DialogForm form;
  form.id = "sprog";
  form.title = languageChoice::title;
  for (const LanguageButton& b : languageChoice::buttons) form.buttons.emplace_back(b.text);
  form.buttons.emplace_back(languageChoice::okButton);
  form.buttons.emplace_back(languageChoice::cancelButton);
  const std::string pressed = ui.showDialog(form);
  for (const LanguageButton& b : languageChoice::buttons)
    if (pressed == b.text) return language.select(b.language, ui);
  return std::nullopt;
}

}  // namespace vorkel
