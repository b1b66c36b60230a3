#include "app/DrawerLink.h"

#include "platform/SharedBlock.h"

namespace vorkel {

void DrawerLink::handOver(const std::string& fileName, bool last) {
  std::optional<WindowHandle> drawer = ports_.findDrawer();
  for (int failures = 1; !drawer; ++failures) {
    if (failures > StartAttempts) {
      // The drawing program cannot be had: show the file as text instead.
      if (!fileName.empty()) ports_.openFile(fileName);
      if (!last) ports_.bringGeneratorForward();
      return;
    }
    ports_.startDrawer();
    if (!last) ports_.bringGeneratorForward();
    drawer = ports_.findDrawer();
  }
  if (!fileName.empty() && block_ && block_->writeText(fileName))
    ports_.send(*drawer, Message, 1, ports_.threadId());
  if (last) ports_.send(*drawer, Message, 2, ports_.activeWindow());
}

}  // namespace vorkel
