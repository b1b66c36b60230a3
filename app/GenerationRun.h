#pragma once
// Generation runs: one crossword after another from the document on screen,
// each finished one written as a raw crossword into the output folder
// (engine/RawCrossword.h).
//
//   runGeneration(context, AttemptKind::WithoutLetters);   // "&Tjek" is app/ReadinessCheck.h
//
// A run ends when the user stops it (a key or Escape between attempts, then
// No) or, in simple mode, when `RunLimit` crosswords have been saved. Every
// message and question goes through the context's Ui.

namespace vorkel {

class ApplicationContext;
class HandOver;

enum class AttemptKind {
  WithoutLetters,  // an empty grid with seed letters; the result goes into the document
  WithLetters,     // keeps the document's letters; the document stays as it is
};

// One attempt: builds the working grid, fills it, and saves a filled grid
// as a raw crossword. Returns the fill's result (1 filled, 0 not, below
// -200 the user pressed Escape).
int runAttempt(ApplicationContext& context, AttemptKind kind);

// The run loop. With `handOver`, every saved crossword is passed on, the
// one that reaches `RunLimit` in simple mode flagged as the last. False when
// nothing ran (no path).
bool runGeneration(ApplicationContext& context, AttemptKind kind, HandOver* handOver = nullptr);

}  // namespace vorkel
