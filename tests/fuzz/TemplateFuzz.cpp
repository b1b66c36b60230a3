// A generation template (.skb) loaded as a whole, with a grid, a word list,
// a path and parameters beside it that it may name: whatever the template
// holds, loading answers and leaves a grid of 1..50 by 1..50 and a score
// floor of -1 or 0..100; a template that loaded keeps its language and floor
// through a save, and once saved and loaded, another save and load names
// the same files, folder, language and floor.
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

// The word lists a template here can name hold a few words: dictionaries
// planned for a few keep each input from allocating (and ASan from
// clearing) stores of a hundred thousand words it never fills.
struct Session {
  Session() : registry(fuzz::scratchFolder() + "/registry.ini"),
              context(ui, clock, registry, fuzz::scratchFolder(), 1, {64, 64}) {}
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

  // Saved and loaded again, the template holds what a save can store (a
  // line break inside a name becomes a space, spaces at its ends go); saved
  // and loaded once more, it holds the very same.
  const auto saveAndLoad = [](ApplicationContext& from, Session& to, const char* name) {
    const std::string path = fuzz::scratchFile(name, "");
    std::remove(path.c_str());
    from.currentTemplate.templatePath = path;
    fuzz::expect(saveTemplate(from), "a loaded template is saved");
    fuzz::expect(loadTemplate(to.context, path), "a saved template loads");
  };
  Session t, u;
  saveAndLoad(c, t, "again.skb");
  saveAndLoad(t.context, u, "again2.skb");
  const Template& a = t.context.currentTemplate;
  const Template& b = u.context.currentTemplate;
  fuzz::expect(t.context.documentDialog.fileName == u.context.documentDialog.fileName,
               "the same grid");
  fuzz::expect(a.dictionaryName == b.dictionaryName, "the same word list");
  fuzz::expect(a.pathFileName == b.pathFileName, "the same path");
  fuzz::expect(a.parameterFileName == b.parameterFileName, "the same parameters");
  fuzz::expect(a.destDir == b.destDir, "the same output folder");
  fuzz::expect(a.language == b.language, "the same language");
  fuzz::expect(a.minScore == b.minScore, "the same floor");
  fuzz::expect(c.currentTemplate.language == a.language && c.currentTemplate.minScore == a.minScore,
               "language and floor kept by the first save");
  return 0;
}
