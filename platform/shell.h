#pragma once

#include <string>

// Hands a web address to the desktop's default browser and does not wait.
// Only http:// and https:// addresses are handed over; anything else (empty,
// file:, a program path, javascript:) opens nothing. Nothing is reported
// either way: the caller never looks at the outcome.
void ShellOpen(const std::string& address);

// The check ShellOpen makes, for callers that want to know beforehand.
bool IsWebAddress(const std::string& address);
