#pragma once

#include <string_view>

namespace ombrelta {

// The generator string: the console banner, the generator meta tag of every
// page and the footer of the index page.
inline constexpr std::string_view NAME =
    "Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software";

}  // namespace ombrelta
