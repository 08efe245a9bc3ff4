#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Cities.h"

// The reference pages of the cities' climate and of the materials' thermal
// properties, drawn from the same built-in tables as the pickers. They are
// written as text in the form the page generator reads (one "page" line per
// page, then its heading, columns, widths, rows, notes and source line; see
// app/refpages/RefPageGen.cpp). `fileName` names every page; the generator
// replaces its "#" by the page's number within the topic.

// The offered cities in alphabetical order, split into as few pages as hold
// them, the pages as even as possible.
std::vector<std::vector<const City*>> CityPages();

std::string CityPagesText(std::string_view fileName);
std::string MaterialPagesText(std::string_view fileName);
