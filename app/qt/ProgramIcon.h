#pragma once
// The program's icon: a small crossword (yellow letter cells, black clue
// dots, a red frame), drawn at each size a window system asks for.

#include <QIcon>

namespace vorkel {

QIcon programIcon();

}  // namespace vorkel
