#include "platform/RangeMessage.h"

#include <string>

namespace vorkel {

void showRangeMessage(Ui& ui, std::string_view name, long low, long high, Icon icon) {
  const std::string text = "Værdien for " + std::string(name) + " skal være mellem " +
                           std::to_string(low) + " og " + std::to_string(high);
  ui.messageBox(text, "Indtastet forkert værdi", icon, Buttons::Ok);
}

}  // namespace vorkel
