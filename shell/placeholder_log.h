#pragma once
// The calls that placeholders of features not built yet received, oldest first, so that the
// forwarding of the main window's events can be checked before those features exist.
#include <string>
#include <vector>

std::vector<std::string>& PlaceholderCalls();
// The mouse arguments (button, shift, x, y) that placeholders taking them received, oldest first.
std::vector<std::string>& PlaceholderArgs();
std::string MouseArgsText(int button, int shift, float x, float y);
