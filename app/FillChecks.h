#pragma once
// Everything checked before a fill, in the order it is checked:
//
//   1. checkTemplateFiles (app/TemplateCheck.h), before a template is
//      loaded: every file it names is there and of its kind;
//   2. problemsBeforeFill, once it is loaded: the model can be read and its
//      shape filled at all (engine/GridShapeCheck.h), there are words, a
//      path with stops and usable parameters, and nothing makes every
//      attempt hopeless (engine/FillObstacles.h);
//   3. checkReadiness, the window's "&Tjek": a dictionary and a path.
//
// The command line runs 1 and 2 and words what they find in English; the
// window asks 3 of the user's own accord, in Danish.
//
//   if (auto problems = problemsBeforeFill(context, {.fast = true, .words = &index});
//       !problems.empty()) for (const auto& p : problems) err << p << '\n';
//   if (checkReadiness(context)) runGeneration(context, AttemptKind::WithoutLetters);

#include <string>
#include <vector>

namespace vorkel {

class ApplicationContext;
class WordIndex;

struct FillCheckRequest {
  bool fast = false;         // the fast fill (no path; it finds a hopeless model itself)
  bool forced = false;       // forced words: the run lays a path of its own
  bool withLetters = false;  // the model's letters stay
  const WordIndex* words = nullptr;  // the fast fill's words
};

// English lines, the first saying what is wrong and the rest its details;
// empty when a run may start. Reads the model again without messages.
std::vector<std::string> problemsBeforeFill(ApplicationContext& context,
                                            const FillCheckRequest& request);

// True when a dictionary and a path are there; otherwise tells the user
// through the context's Ui which is missing (the dictionary first).
bool checkReadiness(ApplicationContext& context);

}  // namespace vorkel
