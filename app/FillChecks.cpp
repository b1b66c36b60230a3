#include "app/FillChecks.h"

#include <optional>
#include <sstream>
#include <string>

#include "app/ApplicationContext.h"
#include "app/Texts.h"
#include "document/DocumentFile.h"
#include "engine/FillObstacles.h"
#include "engine/GridShapeCheck.h"
#include "engine/ParameterFile.h"
#include "engine/WordIndex.h"
#include "platform/Files.h"
#include "platform/SilentUi.h"

namespace vorkel {

std::vector<std::string> problemsBeforeFill(ApplicationContext& c, const FillCheckRequest& request) {
  const Template& t = c.currentTemplate;
  // The loaders have shown their own messages and left the state as it was
  // before; a fresh context had nothing, so the files are read again
  // without messages where the state cannot tell.
  SilentUi quiet;
  const std::string modelName = c.documentDialog.fileName;
  const std::string model = c.locate(modelName);
  CrosswordDocument probe;
  if (!readDocument(probe, model, c.language, quiet)) return {"cannot read the model " + model};
  const GridShapeCheck check = GridShapeCheck::of(c.document);
  if (!check.ok()) {
    std::vector<std::string> lines{"the model " + model + " cannot be filled:"};
    std::istringstream problems(check.describe());
    for (std::string line; std::getline(problems, line);) lines.push_back("  " + line);
    return lines;
  }
  const bool fast = request.fast;
  const bool noWords = fast ? !request.words || request.words->totalCount() == 0
                            : !c.dictionary || c.dictionary->wordCount() == 0;
  if (t.dictionaryPath.empty() || noWords)
    return {"no words in the dictionary the template names"};
  if (!fast && c.path.length() == 0)
    return {"no stops in the path " + c.locate(t.pathFileName)};
  const std::string par = c.locate(t.parameterFileName);
  const std::optional<std::string> bytes = Files::readFile(par, kMaxParameterFileBytes);
  if (!bytes || parseParameterFile(*bytes).status != ParameterFileContents::Status::Ok)
    return {"cannot use the parameter file " + par};

  // What makes every attempt hopeless, named by file and cell. The fast
  // fill follows no path and is complete: it finds a hopeless model itself
  // and says so. A forced run lays a path of its own around its words.
  if (fast || request.forced) return {};
  const std::vector<FillObstacle> obstacles =
      findFillObstacles(c.document, c.path, *c.dictionary, request.withLetters);
  if (obstacles.empty()) return {};
  constexpr std::size_t kShown = 10;
  std::vector<std::string> lines{"no crossword can be made from the model " + modelName +
                                 " (cells are column,row, counted from 1):"};
  for (std::size_t i = 0; i < obstacles.size() && i < kShown; ++i) {
    const FillObstacle& o = obstacles[i];
    const bool words = o.kind == FillObstacle::Kind::NoWordOfLength ||
                       o.kind == FillObstacle::Kind::NoWordForLetters;
    lines.push_back("  " + (words ? t.dictionaryPath : t.pathFileName) + ": " + o.describe());
  }
  if (obstacles.size() > kShown)
    lines.push_back("  and " + std::to_string(obstacles.size() - kShown) + " more");
  return lines;
}

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
