#include "app/catalogue.h"

#include "storage/inifile.h"

#include <unordered_map>

std::vector<CatalogueCategory> ReadCatalogue(const std::string& path) {
    // One state of the file serves the whole pass: the result is the same as
    // listing "Layer2" again for every category, without re-reading it.
    const IniSnapshot ini = IniSnapshot::Read(path);
    const std::vector<std::string> categories = ini.ListKeys("Layer1");
    const std::vector<std::string> channels = ini.ListKeys("Layer2");
    std::unordered_map<std::string, std::vector<const std::string*>> byCategory;
    for (const std::string& channel : channels) byCategory[ini.ReadEntry("Layer2", channel, "")].push_back(&channel);

    std::vector<CatalogueCategory> result;
    result.reserve(categories.size());
    for (const std::string& category : categories) {
        CatalogueCategory node{category, {}};
        if (const auto it = byCategory.find(category); it != byCategory.end())
            for (const std::string* channel : it->second) node.channels.push_back(*channel);
        result.push_back(std::move(node));
    }
    return result;
}
