#pragma once
// Addresses on the maker's web site, all derived from the one home-page constant.
#include <string>
#include <string_view>

#include "data/gob.h"

inline std::string HomePageAddress()
{
    return gob::HomePage;
}

// The page the about window shows.
inline std::string AboutPageAddress()
{
    std::string home = gob::HomePage;
    if (home.empty() || home.back() != '/')
        home += '/';
    return home + "softtj.php?ref=shuoming";
}

// The host part of an address: after "//", up to the next '/', '?' or ':'.
inline std::string HostName(std::string_view address)
{
    size_t start = address.find("//");
    start = start == std::string_view::npos ? 0 : start + 2;
    size_t end = address.find_first_of("/?:", start);
    return std::string(address.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}
