#pragma once

#include <string>

// The data files written at start-up when they are missing.
void WriteDefaultCatalogue(const std::string& path);
void WriteDefaultPromotions(const std::string& path);
