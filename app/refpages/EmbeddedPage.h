#pragma once

#include <span>

// The JPEG bytes of the first reference page (glazing characteristics),
// compiled into the program: the viewer shows it before any page file is
// loaded.
std::span<const unsigned char> EmbeddedFirstPage();
