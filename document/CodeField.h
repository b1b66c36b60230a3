#pragma once
// A numbered code field drawn in a letter cell. The generator makes none of
// its own; it keeps those it reads and writes them back.

#include "document/Typography.h"

namespace vorkel {

struct CodeField {
  Typography typo;
  int number = 0;
  int x = 0;  // the field's cell, kept as read
  int y = 0;

  bool operator==(const CodeField&) const = default;
};

}  // namespace vorkel
