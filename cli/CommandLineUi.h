#pragma once
// What the command line's ui ports have in common: there is nobody to ask,
// so questions take their first answer (Ok/Yes), dialogs end with their
// first button, file dialogs and input boxes are cancelled, and the window's
// status text, cursor and caption go nowhere. The ports differ in where
// messages go and what the keyboard queue holds (cli/Console.h,
// cli/BatchUi.h).

#include "platform/SilentUi.h"

namespace vorkel {

class CommandLineUi : public SilentUi {
 public:
  // The answer to a question with these buttons: the first one.
  static Answer answerFor(Buttons buttons);

  std::string showDialog(DialogForm& form) override {
    return form.buttons.empty() ? std::string() : form.buttons.front();
  }
};

}  // namespace vorkel
