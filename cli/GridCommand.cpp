#include <ostream>

#include "cli/Commands.h"

namespace vorkel {

int runGridCommand(const Args&, std::ostream&, std::ostream& err) {
  err << "vorkel grid: not built yet\n";
  return 2;
}

}  // namespace vorkel
