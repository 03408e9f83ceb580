#pragma once
// The engine's C interface (with the key extension) and the English sentence
// for each of its result codes.
#include <sqlite3.h>
#include <string>

std::string SQLiteErrorText(int code);
