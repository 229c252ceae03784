#include "forms/errors.h"

namespace forms {

std::string ErrorDescription(int32_t number) {
    switch (number) {
    case errInvalidCall:
        return "Invalid procedure call or argument";
    case errOverflow:
        return "Overflow";
    case errSubscript:
        return "Subscript out of range";
    case errTypeMismatch:
        return "Type mismatch";
    case errFileNotFound:
        return "File not found";
    case errBadFileMode:
        return "Bad file mode";
    case errPathFileAccess:
        return "Path/File access error";
    case errInvalidPicture:
        return "Invalid picture";
    case errInvalidPropertyValue:
        return "Invalid property value";
    case errInvalidArrayIndex:
        return "Invalid property array index";
    case errCancel:
        return "Cancel was selected.";
    default:
        return "Application-defined or object-defined error";
    }
}

void Raise(int32_t number) {
    throw RuntimeError(number, ErrorDescription(number));
}
void Raise(int32_t number, const std::string& description) {
    throw RuntimeError(number, description);
}
void EndProcess(int status) {
    throw EndSignal{status};
}

} // namespace forms
