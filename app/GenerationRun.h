#pragma once
// Generation runs: one crossword after another from the document on screen,
// each finished one written as a raw crossword into the output folder
// (engine/RawCrossword.h).
//
//   runGeneration(context, AttemptKind::WithoutLetters);   // "&Tjek" is app/FillChecks.h
//
// A run ends when the user stops it (a key or Escape between attempts, then
// No) or, in simple mode, when `RunLimit` crosswords have been saved. Every
// message and question goes through the context's Ui.

#include "engine/FillResult.h"

namespace vorkel {

class ApplicationContext;
class HandOver;

enum class AttemptKind {
  WithoutLetters,  // an empty grid with seed letters; the result goes into the document
  WithLetters,     // keeps the document's letters; the document stays as it is
};

// One attempt: builds the working grid, fills it, and saves a filled grid
// as a raw crossword. Returns how the fill ended. With the fast fill, the
// attempt goes on until the grid is filled, stopped, or shown unfillable.
FillResult runAttempt(ApplicationContext& context, AttemptKind kind);

// How a run differs from the advanced menu's.
struct RunOptions {
  // Every saved crossword is passed on; the one that reaches `RunLimit` in
  // simple mode is flagged as the last and ends the run.
  HandOver* handOver = nullptr;
  // The hand-over run of simple mode leaves the priority as it is, and its
  // caller sets and clears the status text.
  bool lowerPriority = true;
  bool setStatusText = true;
};

// The run loop. A template that asks for the fast fill (Fyld=hurtig) is
// filled by it (app/FastAttempt.h) and needs no path. False when nothing
// ran (no path; for the fast fill, no words).
bool runGeneration(ApplicationContext& context, AttemptKind kind, const RunOptions& options = {});

// "Generer  &Tvang": the dialog "Lav krydsord med bestemte ord"
// (app/ForcedWordsDialog.h), then a run whose every crossword holds the
// forced words: those of "tvang.txt", or words drawn from the word file
// before the first attempt and again every fifth (the number to draw is
// lowered when the file has fewer that fit). Each attempt places the words
// into the empty model, lays a path of its own around them (the program's
// path stays as it is) and fills the rest (engine/ForcedAttempt.h). The run
// ends as any run does, or when the word file gives no words (shown).
// False when nothing ran: no path, or the dialog was not ended with OK.
bool runForcedGeneration(ApplicationContext& context);

}  // namespace vorkel
