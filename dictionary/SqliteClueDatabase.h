#pragma once
// The clue database as one SQLite file of the user: WAL journal and a busy
// timeout, so several processes may read and write it at the same time. A
// file that is not a database, fails its integrity check or has a newer
// schema is refused before anything is written to it.

#include "dictionary/ClueDatabase.h"

#include <memory>
#include <string>

namespace vorkel {

std::unique_ptr<ClueDatabase> openSqliteClueDatabase(const std::string& path, std::string& error);

}  // namespace vorkel
