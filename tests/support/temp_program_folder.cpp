#include "tests/support/temp_program_folder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wotest {

TempProgramFolder::TempProgramFolder(const std::string& tag) {
    static std::atomic<int> counter{0};
    fs::path p = fs::temp_directory_path() /
                 (tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(p);
    fs::create_directories(p);
    path_ = p.string();
}

TempProgramFolder::~TempProgramFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempProgramFolder::File(const std::string& name) const {
    return path_ + "/" + name;
}

void TempProgramFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempProgramFolder::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TempProgramFolder::Exists(const std::string& name) const {
    return fs::exists(File(name));
}

} // namespace wotest
