#pragma once
// The windows speak UTF-16; the store and the statements speak GBK. Always
// code page 936, never the system's ANSI page.
#include <string>

std::wstring GbkToWide(const std::string& gbk);
// A character GBK cannot hold becomes '?', so a typed search never fails to convert.
std::string WideToGbk(const std::wstring& text);
