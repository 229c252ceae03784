#include "forms/files.h"

#include "forms/errors.h"
#include "forms/lang.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace forms {

namespace {

std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

// Finds name in dir: the exact name first, else the first case-insensitive match.
bool FindInFolder(const std::string& dir, const std::string& name, std::string& found) {
    struct stat st {};
    std::string exact = (dir.empty() ? std::string(".") : dir) + "/" + name;
    if (lstat(exact.c_str(), &st) == 0) {
        found = name;
        return true;
    }
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return false;
    std::string want = UCase(name);
    bool ok = false;
    while (dirent* e = readdir(d)) {
        if (UCase(e->d_name) == want) {
            found = e->d_name;
            ok = true;
            break;
        }
    }
    closedir(d);
    return ok;
}

[[noreturn]] void RaiseFromErrno() {
    Raise(errno == ENOENT ? errFileNotFound : errPathFileAccess);
}

} // namespace

std::string ResolvePath(const std::string& programPath) {
    std::string p = programPath.substr(0, programPath.find('\0'));
    for (char& c : p)
        if (c == '\\') c = '/';
    const bool absolute = !p.empty() && p[0] == '/';
    std::string out = absolute ? std::string("/") : std::string();
    bool stillFound = true; // once a component is missing, the rest is kept as given
    size_t i = 0;
    while (i <= p.size()) {
        size_t j = p.find('/', i);
        if (j == std::string::npos) j = p.size();
        const std::string part = p.substr(i, j - i);
        i = j + 1;
        if (part.empty() || part == ".") continue;
        std::string name = part;
        if (part != ".." && stillFound) {
            std::string base = out;
            if (base.size() > 1 && base.back() == '/') base.pop_back();
            std::string found;
            if (FindInFolder(base, part, found))
                name = found;
            else
                stillFound = false;
        }
        if (!out.empty() && out.back() != '/') out.push_back('/');
        out.append(name);
    }
    return out.empty() ? std::string(".") : out;
}

std::string ProgramFolder() {
    if (!FolderOverride().empty()) return FolderOverride();
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string exe(buf, static_cast<size_t>(n));
    size_t slash = exe.rfind('/');
    return slash == 0 ? "/" : exe.substr(0, slash);
}
void SetProgramFolder(const std::string& folder) {
    FolderOverride() = folder;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
bool FolderExists(const std::string& path) {
    struct stat st {};
    return stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
int64_t FileLen(const std::string& path) {
    struct stat st {};
    if (stat(ResolvePath(path).c_str(), &st) != 0) RaiseFromErrno();
    return st.st_size;
}

std::vector<uint8_t> ReadAllBytes(const std::string& path) {
    std::string real = ResolvePath(path);
    FILE* f = std::fopen(real.c_str(), "rb");
    if (!f) RaiseFromErrno();
    std::vector<uint8_t> data;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.insert(data.end(), buf, buf + n);
    bool bad = std::ferror(f);
    std::fclose(f);
    if (bad) Raise(errPathFileAccess);
    return data;
}
std::string ReadAllText(const std::string& path) {
    auto bytes = ReadAllBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

namespace {
void WriteRaw(const std::string& real, const void* data, size_t size, const char* mode) {
    FILE* f = std::fopen(real.c_str(), mode);
    if (!f) RaiseFromErrno();
    bool ok = std::fwrite(data, 1, size, f) == size;
    ok = (std::fflush(f) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) Raise(errPathFileAccess);
}
void ReplaceRaw(const std::string& path, const void* data, size_t size) {
    std::string real = ResolvePath(path);
    std::string tmp = real + ".tmp" + std::to_string(getpid());
    try {
        WriteRaw(tmp, data, size, "wb");
    } catch (...) {
        std::remove(tmp.c_str());
        throw;
    }
    if (std::rename(tmp.c_str(), real.c_str()) != 0) {
        std::remove(tmp.c_str());
        Raise(errPathFileAccess);
    }
}
} // namespace

void WriteAllBytes(const std::string& path, const std::vector<uint8_t>& data) {
    WriteRaw(ResolvePath(path), data.data(), data.size(), "wb");
}
void WriteAllText(const std::string& path, const std::string& text) {
    WriteRaw(ResolvePath(path), text.data(), text.size(), "wb");
}
void ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& data) {
    ReplaceRaw(path, data.data(), data.size());
}
void ReplaceFileAtomically(const std::string& path, const std::string& text) {
    ReplaceRaw(path, text.data(), text.size());
}
void AppendText(const std::string& path, const std::string& text) {
    WriteRaw(ResolvePath(path), text.data(), text.size(), "ab");
}
void CopyFile(const std::string& from, const std::string& to) {
    auto data = ReadAllBytes(from);
    WriteAllBytes(to, data);
}
void DeleteFile(const std::string& path) {
    if (std::remove(ResolvePath(path).c_str()) != 0) RaiseFromErrno();
}
void MakeFolder(const std::string& path) {
    std::string real = ResolvePath(path);
    for (size_t i = 1; i <= real.size(); i++) {
        if (i == real.size() || real[i] == '/') {
            std::string part = real.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) Raise(errPathFileAccess);
        }
    }
}

} // namespace forms
