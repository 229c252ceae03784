#pragma once
// The calls that placeholders of features not built yet received, oldest first, so that the
// forwarding of the main window's events can be checked before those features exist.
#include <string>
#include <vector>

std::vector<std::string>& PlaceholderCalls();
