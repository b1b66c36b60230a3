#pragma once
// The message every dialog shows for a number outside its range:
// "Værdien for %s skal være mellem %d og %d" with the caption "Indtastet
// forkert værdi". The dialog then opens again with the values entered.

#include <string_view>

#include "platform/Ui.h"

namespace vorkel {

void showRangeMessage(Ui& ui, std::string_view name, long low, long high,
                      Icon icon = Icon::Error);

}  // namespace vorkel
