#pragma once
// The message of the ESQLiteException an action raises, for comparing whole texts.
#include <functional>
#include <string>

#include "data/sqlite_table3.h"

inline std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ESQLiteException& e) {
        return e.Message();
    }
    return "<no exception>";
}
