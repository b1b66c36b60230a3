#include <ostream>

#include "cli/Commands.h"

namespace vorkel {

int runDictCommand(const Args&, std::ostream&, std::ostream& err) {
  err << "vorkel dict: not built yet\n";
  return 2;
}

}  // namespace vorkel
