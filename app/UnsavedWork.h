#pragma once
// What the user would lose: the grid, the path and the template's names as
// they differ from what was last loaded or saved, and the question asked
// before any of them is thrown away ("Ja" saves, "Nej" throws away,
// "Annuller" keeps everything as it is).
//
// A run's fill is not unsaved work: its crosswords are in the output
// folder. The commands that load and save mark what they loaded or saved;
// the commands that throw work away ask first:
//
//   if (!mayDiscardWork(context, WorkPart::Grid)) return;   // "Hent som model"
//   ... read the other grid ...
//   context.unsaved.markGridSaved(context.document);

#include <string>
#include <vector>

#include "app/Template.h"
#include "document/CrosswordDocument.h"
#include "engine/Path.h"

namespace vorkel {

class ApplicationContext;

// The parts of the work an action throws away; or-ed together.
enum WorkPart : unsigned { Grid = 1, PathPart = 2, TemplatePart = 4, AllWork = 7 };

class UnsavedWork {
 public:
  void markGridSaved(const CrosswordDocument& document) { grid_ = document; }
  void markPathSaved(const Path& path) { path_ = path; }
  // The names a template save writes: the grid's file, dictionary, path,
  // parameters, language and score floor.
  void markTemplateSaved(const ApplicationContext& context);
  void markAllSaved(const ApplicationContext& context);

  // The parts among `parts` that differ from what was last loaded or saved.
  unsigned changed(const ApplicationContext& context, unsigned parts = AllWork) const;

 private:
  static std::vector<std::string> templateNames(const ApplicationContext& context);

  CrosswordDocument grid_;
  Path path_;
  std::vector<std::string> template_;
};

// Nothing among `parts` changed, or the user answered the question: saved
// what changed ("Ja", each save may ask for a name) or chose to throw it
// away ("Nej"). False on "Annuller" and when a save was cancelled or
// failed: the caller then changes nothing.
bool mayDiscardWork(ApplicationContext& context, unsigned parts = AllWork);

}  // namespace vorkel
