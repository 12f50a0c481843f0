#pragma once

#include <string>
#include <vector>

// The channel catalogue as the tree shows it: categories in "Layer1" order,
// each with the "Layer2" channels whose value is exactly its name.
struct CatalogueCategory {
    std::string name;
    std::vector<std::string> channels;
};

// Reads one state of the catalogue file; a missing file gives no categories.
std::vector<CatalogueCategory> ReadCatalogue(const std::string& path);
