#include "shell/pictures.h"

#include "forms/errors.h"

forms::PicturePtr LoadPictureIfAny(const std::string& path) {
    try {
        return forms::LoadPicture(path);
    } catch (const forms::RuntimeError&) { // 53 missing, 75 unreadable, 481 not a picture
        return nullptr;
    }
}
