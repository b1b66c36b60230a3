#pragma once
// The settings of the dialog "Lav krydsord med bestemte ord", kept for the
// life of the program (not saved): where a forced-word run takes its words.

#include <cstddef>
#include <string>

namespace vorkel {

struct ForcedSettings {
  static constexpr std::size_t MaxWordFile = 511;

  // Draw the words from `wordFile` instead of reading "tvang.txt".
  bool useWordFile = true;
  // How many words to draw; a run lowers it when the file has fewer words
  // that fit the model.
  int numberToDraw = 6;
  std::string wordFile;  // as the user typed it (UTF-8); relative to the work folder
};

}  // namespace vorkel
