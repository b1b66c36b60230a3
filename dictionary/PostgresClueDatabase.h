#pragma once
// The clue database on a PostgreSQL server, for the constructors of one paper
// to share their clues: the same table and the same behaviour as the SQLite
// file. The connection string is libpq's, as a URI (postgresql://host/db) or
// as "key=value" settings. The first program to open an empty database makes
// the table (under an advisory lock, so two at once do not collide); a
// database holding a "clues" table that is not ours, or a newer schema, is
// refused and left as it is.

#include "dictionary/ClueDatabase.h"

#include <memory>
#include <string>

namespace vorkel {

std::unique_ptr<ClueDatabase> openPostgresClueDatabase(const std::string& connection,
                                                       std::string& error);

}  // namespace vorkel
