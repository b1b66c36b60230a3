// A generation template (.skb) loaded as a whole, with a grid, a word list,
// a path and parameters beside it that it may name: whatever the template
// holds, loading answers and leaves a grid of 1..50 by 1..50 and a score
// floor of -1 or 0..100; a template that loaded, saved under a new name and
// loaded again names the same files, folder, language and floor.
#include <cstdio>

#include "app/ApplicationContext.h"
#include "app/TemplateFile.h"
#include "document/DocumentFile.h"
#include "engine/ParameterFile.h"
#include "engine/PathFile.h"
#include "platform/Registry.h"
#include "platform/testing/ManualClock.h"
#include "platform/testing/ScriptedUi.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace vorkel;

struct Session {
  Session() : registry(fuzz::scratchFolder() + "/registry.ini"),
              context(ui, clock, registry, fuzz::scratchFolder(), 1) {}
  ScriptedUi ui;
  ManualClock clock;
  Registry registry;
  ApplicationContext context;
};

void writeNamedFiles() {
  CrosswordDocument doc;
  doc.resize(3, 2);
  fuzz::scratchFile("m.ktd", serializeDocument(doc));
  fuzz::scratchFile("w.txt", "ab\r\ncd\r\nabc\r\n");
  fuzz::scratchFile("m.vej", formatPathFile({PathStop{}}, SeedPositions{}));
  fuzz::scratchFile("m.par", formatParameterFile(SearchParameters{}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool named = (writeNamedFiles(), true);
  (void)named;
  const std::string skb =
      fuzz::scratchFile("t.skb", std::string_view(reinterpret_cast<const char*>(data), size));
  Session s;
  ApplicationContext& c = s.context;
  const bool loaded = loadTemplate(c, skb);
  fuzz::expect(CrosswordDocument::validSize(c.document.width(), c.document.height()),
               "a grid of 1..50 by 1..50");
  const int floor = c.currentTemplate.minScore;
  fuzz::expect(floor == -1 || (floor >= 0 && floor <= 100), "a floor of -1 or 0..100");
  if (!loaded) return 0;

  const std::string again = fuzz::scratchFile("again.skb", "");
  std::remove(again.c_str());
  c.currentTemplate.templatePath = again;
  fuzz::expect(saveTemplate(c), "a loaded template is saved");
  Session t;
  const bool reloaded = loadTemplate(t.context, again);
  fuzz::expect(reloaded, "a saved template loads");
  const Template& a = c.currentTemplate;
  const Template& b = t.context.currentTemplate;
  fuzz::expect(c.documentDialog.fileName == t.context.documentDialog.fileName, "the same grid");
  fuzz::expect(a.dictionaryName == b.dictionaryName, "the same word list");
  fuzz::expect(a.pathFileName == b.pathFileName, "the same path");
  fuzz::expect(a.parameterFileName == b.parameterFileName, "the same parameters");
  fuzz::expect(a.destDir == b.destDir, "the same output folder");
  fuzz::expect(a.language == b.language, "the same language");
  fuzz::expect(a.minScore == b.minScore, "the same floor");
  return 0;
}
