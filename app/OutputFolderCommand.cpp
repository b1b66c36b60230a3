#include "app/OutputFolderCommand.h"

#include "app/ApplicationContext.h"
#include "app/Texts.h"

namespace vorkel {

bool outputFolderCommand(ApplicationContext& context) {
  Template& t = context.currentTemplate;
  std::optional<std::string> answer = context.ui.inputBoxLimited(
      texts::outputFolderPrompt, texts::outputFolderCaption, t.destDir, Template::MaxDestDir);
  if (!answer || answer->size() <= 1) return false;
  t.destDir = *answer;
  context.programProfile().writeString("Gemmested", t.destDir);
  return true;
}

}  // namespace vorkel
