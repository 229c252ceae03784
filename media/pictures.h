#pragma once
#include <string>

namespace media {

// Writes every picture under <program folder>/Images; with a contact sheet path also writes a
// sheet of all of them.
void WritePictures(const std::string& appFolder, const std::string& contactSheet);

} // namespace media
