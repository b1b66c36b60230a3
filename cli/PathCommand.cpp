// `vorkel path`: lays the automatic path over a model grid and writes it as
// a .vej file.
#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/StderrUi.h"
#include "dictionary/Language.h"
#include "document/CrosswordDocument.h"
#include "document/DocumentFile.h"
#include "engine/GridShapeCheck.h"
#include "engine/Path.h"
#include "engine/PathOptimiser.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr const char* kPathUsage =
    "usage: vorkel path auto MODEL.ktd -o OUT.vej [--language N]\n";

struct PathArgs {
  std::vector<std::string> positional;
  std::string output;
  int language = 0;
};

std::optional<PathArgs> parseArgs(const Args& args, std::ostream& err) {
  PathArgs out;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" || a == "--output") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        err << "vorkel path: " << a << " needs a file name\n";
        return std::nullopt;
      }
      out.output = args[++i];
    } else if (a == "--language") {
      if (i + 1 >= args.size()) {
        err << "vorkel path: --language needs a number\n";
        return std::nullopt;
      }
      int n = 0;
      if (!parseNumber(args[i + 1], n) || n < 0 || n > 10) {
        err << "vorkel path: --language takes a number from 0 to 10, not '" << args[i + 1]
            << "'\n";
        return std::nullopt;
      }
      out.language = n;
      ++i;
    } else if (a.size() > 1 && a[0] == '-') {
      err << "vorkel path: unknown option '" << a << "'\n";
      return std::nullopt;
    } else {
      out.positional.push_back(a);
    }
  }
  return out;
}

// The automatic path followed by the optimisation, as the "&Autovej" command
// makes it. The seeds are those a path file without a seed line gives: the
// first stop, and no second seed.
int autoPath(const PathArgs& a, std::ostream& out, std::ostream& err) {
  StderrUi ui(err);
  Language language;
  if (a.language != 0) language.select(a.language, ui);

  const std::string& model = a.positional[0];
  CrosswordDocument doc;
  if (!readDocument(doc, model, language, ui)) {
    err << "vorkel path: cannot read '" << model << "' as a crossword grid\n";
    return 1;
  }
  const GridShapeCheck check = GridShapeCheck::of(doc);
  if (!check.ok()) {
    err << "vorkel path: '" << model << "' cannot be filled:\n" << check.describe();
    return 1;
  }

  Path path;
  const int messagesBefore = ui.messageCount();
  const std::size_t stops = autoPathCommand(doc, path, ui);
  if (ui.messageCount() != messagesBefore) {
    err << "vorkel path: the path does not match '" << model << "'; nothing written\n";
    return 1;
  }
  const VejStop& first = path.stops().front();
  path.seeds().first = {first.x, first.y, first.retning};
  path.seeds().second = {};

  errno = 0;
  if (!path.save(a.output)) {
    err << "vorkel path: cannot write '" << a.output << "'";
    if (errno != 0) err << ": " << std::strerror(errno);
    err << '\n';
    return 1;
  }
  out << "wrote " << a.output << ": " << stops << " stops\n";
  return 0;
}

}  // namespace

int runPathCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kPathUsage;
    return 2;
  }
  if (args[0] != "auto") {
    err << "vorkel path: unknown command '" << args[0] << "'\n" << kPathUsage;
    return 2;
  }
  const std::optional<PathArgs> parsed = parseArgs(args, err);
  if (!parsed) return 2;
  if (parsed->positional.size() != 1 || parsed->output.empty()) {
    err << "vorkel path auto: expected one model file and -o OUT.vej\n" << kPathUsage;
    return 2;
  }
  return autoPath(*parsed, out, err);
}

}  // namespace vorkel
