#pragma once
// The cases the benchmark measures and where their files are: the stock
// templates ModelN.skb of the chosen models (looked for under --templates,
// the build tree and the source tree's data/), the files a template names,
// and the pictures of the hard-grid set made into models, paths and
// templates in the scratch folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/generate/Options.h"

namespace vorkel::bench {

// One grid to measure: a stock template, or a picture of the grid set made
// into a template.
struct Case {
  std::string name;  // "Model1", "18x15-2"
  int model = 0;     // the stock model's number; 0 for the grid set
  std::filesystem::path skb;
  std::filesystem::path ktd;
  std::filesystem::path dic;  // empty when the template's dictionary was not found
};

// The value of `key` in section [Skabelon] of an INI file (keys compared
// without regard to case).
std::string iniValue(const std::filesystem::path& file, const std::string& key);

// A file a template names: as written (relative to the template's folder),
// else its base name in the template's folder or in the fallback folders.
std::optional<std::filesystem::path> resolveNamed(std::string value, const std::filesystem::path& skbDir,
                                                  const std::vector<std::filesystem::path>& fallbacks);

// The stock templates ModelN<suffix>.skb of the chosen models; a model
// whose template is not found is left out with a message on stderr.
std::vector<Case> findModels(const Options& o, const std::string& suffix = "");

// The pictures of the grid set as cases: a model (`vorkel grid import`),
// its automatic path (`vorkel path auto`, which only the path fill uses) and
// a template naming them, `dic` and the stock parameters, in the scratch
// folder. A picture that does not make a model is left out with a note.
std::vector<Case> prepareGrids(const Options& o, const std::filesystem::path& dic,
                               std::vector<std::string>& notes);

}  // namespace vorkel::bench
