#include "dictionary/Language.h"
// Tables to come.
