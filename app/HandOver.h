#pragma once
// The hand-over of finished raw crosswords to the drawing program: one call
// per new file, the last of a run flagged so the receiver can open it.

#include <string>

namespace vorkel {

class HandOver {
 public:
  virtual ~HandOver() = default;
  // `fileName` is the raw crossword's full path.
  virtual void handOver(const std::string& fileName, bool last) = 0;
};

}  // namespace vorkel
