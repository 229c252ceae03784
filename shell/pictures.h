#pragma once
// Pictures the program draws from its own folder. A missing or unreadable one never ends the
// program: the control it belongs to shows its back colour instead.
#include "forms/canvas.h"

#include <string>

forms::PicturePtr LoadPictureIfAny(const std::string& path);
