#include "penvik/Settings.h"

#include "platform/Files.h"
#include "platform/Profile.h"

namespace penvik {

Settings readSettings(std::string_view programFolder) {
  Settings s;
  const vorkel::Profile profile(vorkel::Files::joinPath(programFolder, "penvik.ini"), "Penvik");
  const std::string folder = profile.getString("Udmappe", "", 511);
  if (!folder.empty())
    s.exportFolder = vorkel::Files::isAbsolutePath(folder)
                         ? vorkel::Files::toSlashes(folder)
                         : vorkel::Files::joinPath(programFolder, vorkel::Files::toSlashes(folder));
  return s;
}

}  // namespace penvik
