#pragma once
// A fresh, empty program folder under the system's temporary folder, removed again at the end.
#include <string>
#include <vector>

namespace wotest {

class TempProgramFolder {
  public:
    explicit TempProgramFolder(const std::string& tag = "wo");
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    // The folder, with no trailing separator.
    const std::string& Path() const { return path_; }
    // Path() + "/" + name.
    std::string File(const std::string& name) const;
    // Whole-file helpers for fixtures.
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

  private:
    std::string path_;
};

} // namespace wotest
