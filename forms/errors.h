#pragma once
// Run-time errors as the program's handlers expect them, and the separate end-of-program signal.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace forms {

// Error numbers the program raises or handles.
enum ErrorNumber : int32_t {
    errOverflow = 6,
    errSubscript = 9,
    errTypeMismatch = 13,
    errFileNotFound = 53,
    errPathFileAccess = 75,
    errInvalidPicture = 481,
    errCancel = 32755, // the colour dialog's cancel, when CancelError is set
    errBadFileMode = 54,
    errInvalidCall = 5,
    errInvalidPropertyValue = 380, // a property set outside its range (ListIndex, Value, ...)
    errInvalidArrayIndex = 381,    // an item index out of range (List(i), RemoveItem, tabs)
};

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int32_t number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}
    int32_t Number() const { return number_; }
    const std::string& Description() const { return description_; }

  private:
    int32_t number_;
    std::string description_;
};

// Raises the error with the platform's usual description for its number.
[[noreturn]] void Raise(int32_t number);
[[noreturn]] void Raise(int32_t number, const std::string& description);
std::string ErrorDescription(int32_t number);

// Ending the program is not an error: no handler of the program catches this (it is not derived
// from std::exception). It unwinds to Application::Run, which returns the exit status.
struct EndSignal {
    int status = 0;
};
[[noreturn]] void EndProcess(int status = 0);

// Checked array access: an index out of range raises error 9, never undefined behaviour.
template <typename T, int Lo, int Hi> class Array {
  public:
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;
    T& operator()(int i) {
        if (i < Lo || i > Hi) Raise(errSubscript);
        return items_[i - Lo];
    }
    const T& operator()(int i) const {
        if (i < Lo || i > Hi) Raise(errSubscript);
        return items_[i - Lo];
    }
    T& operator[](int i) { return (*this)(i); }
    const T& operator[](int i) const { return (*this)(i); }
    static constexpr int size() { return Hi - Lo + 1; }
    T* begin() { return items_; }
    T* end() { return items_ + size(); }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + size(); }
    bool operator==(const Array&) const = default;

    T items_[Hi - Lo + 1]{};
};

} // namespace forms
