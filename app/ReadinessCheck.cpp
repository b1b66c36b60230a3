#include "app/ReadinessCheck.h"

#include "app/ApplicationContext.h"
#include "app/Texts.h"

namespace vorkel {

bool checkReadiness(ApplicationContext& context) {
  if (!context.dictionary || context.dictionary->wordCount() == 0) {
    context.ui.messageBox(texts::missingDictionary, texts::cannotBuildCaption);
    return false;
  }
  if (context.path.length() == 0) {
    context.ui.messageBox(texts::missingPath, texts::cannotBuildCaption);
    return false;
  }
  return true;
}

}  // namespace vorkel
