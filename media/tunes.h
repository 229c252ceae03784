#pragma once
#include <string>

namespace media {

// Writes Music1.mid to Music6.mid into the folder.
void WriteTunes(const std::string& musicFolder);

} // namespace media
