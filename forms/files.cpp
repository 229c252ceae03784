#include "forms/files.h"

#include "forms/errors.h"
#include "forms/lang.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace forms {

FileError::FileError(int32_t number, std::string path, std::string reason)
    : RuntimeError(number, ErrorDescription(number)), path_(std::move(path)),
      reason_(std::move(reason)) {}

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

[[noreturn]] void RaiseFromErrno(const std::string& real, int err = errno) {
    throw FileError(err == ENOENT ? errFileNotFound : errPathFileAccess, real, std::strerror(err));
}

std::function<int(FileStep, const std::string&)>& FileFault() {
    static std::function<int(FileStep, const std::string&)> fault;
    return fault;
}

// The error the test hook asks for at this step, 0 for none.
int InjectedFault(FileStep step, const std::string& real) {
    return FileFault() ? FileFault()(step, real) : 0;
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
    const std::string real = ResolvePath(path);
    if (stat(real.c_str(), &st) != 0) RaiseFromErrno(real);
    return st.st_size;
}

std::vector<uint8_t> ReadAllBytes(const std::string& path) {
    std::string real = ResolvePath(path);
    FILE* f = std::fopen(real.c_str(), "rb");
    if (!f) RaiseFromErrno(real);
    std::vector<uint8_t> data;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.insert(data.end(), buf, buf + n);
    const int err = std::ferror(f) ? errno : 0;
    std::fclose(f);
    if (err != 0) RaiseFromErrno(real, err);
    return data;
}
std::string ReadAllText(const std::string& path) {
    auto bytes = ReadAllBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

namespace {
// sync: the data reach the disk before the file closes (a replacement, about to be renamed over
// the old file).
void WriteRaw(const std::string& real, const void* data, size_t size, const char* mode,
              bool sync = false) {
    int err = InjectedFault(FileStep::Open, real);
    FILE* f = err ? nullptr : std::fopen(real.c_str(), mode);
    if (!f) RaiseFromErrno(real, err ? err : errno);
    err = InjectedFault(FileStep::Write, real);
    if (!err && std::fwrite(data, 1, size, f) != size) err = errno ? errno : EIO;
    // A full disk may only show when the data leaves the buffers.
    if (!err) err = InjectedFault(FileStep::Flush, real);
    if (!err && (std::fflush(f) != 0 || (sync && fsync(fileno(f)) != 0))) err = errno;
    if (std::fclose(f) != 0 && !err) err = errno;
    if (err) RaiseFromErrno(real, err);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}
std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file that real names once the links at its end are followed, each relative one from its
// own link's folder; real itself when it is no link. A replacement writes beside that file and
// renames over it, so a link (a family keeping the settings elsewhere) stays a link.
std::string FollowLinks(const std::string& real) {
    constexpr int kMaxLinks = 40; // the system's own limit on the links of one path
    std::string p = real;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        if (hops == kMaxLinks) RaiseFromErrno(real, ELOOP);
        std::vector<char> to(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = readlink(p.c_str(), to.data(), to.size());
        if (n < 0) RaiseFromErrno(real);
        if (static_cast<size_t>(n) == to.size()) RaiseFromErrno(real, ENAMETOOLONG);
        const std::string link(to.data(), static_cast<size_t>(n));
        p = !link.empty() && link[0] == '/' ? link : FolderOf(p) + "/" + link;
    }
    if (p == real) return real;
    // The folder as the system finds it, so that a message names the file plainly.
    char* folder = realpath(FolderOf(p).c_str(), nullptr);
    if (!folder) return std::filesystem::path(p).lexically_normal().string();
    const std::string found(folder);
    std::free(folder);
    return (found == "/" ? found : found + "/") + NameOf(p);
}

// A rename lasts only once the folder's new entry is on the disk too. The new file is in place by
// now either way, so a folder that cannot be synced (some file systems refuse) is no error.
void SyncFolder(const std::string& folder) {
    if (InjectedFault(FileStep::SyncFolder, folder) != 0) return;
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// True when name is a temporary name of the file base (base, ".tmp" and a process id, in any
// case); pid is that process.
bool IsTemporaryOf(const std::string& name, const std::string& base, pid_t& pid) {
    const std::string prefix = UCase(base + ".tmp");
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 10) return false;
    if (UCase(name.substr(0, prefix.size())) != prefix) return false;
    long long id = 0;
    for (size_t i = prefix.size(); i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
        id = id * 10 + (name[i] - '0');
    }
    if (id <= 0 || id > INT_MAX) return false;
    pid = static_cast<pid_t>(id);
    return true;
}

// Another process that still runs may be in the middle of its replacement; this one is not.
bool ProcessRuns(pid_t pid) {
    return pid != getpid() && (kill(pid, 0) == 0 || errno == EPERM);
}

int RemoveTemporariesOf(const std::string& file) {
    const std::string folder = FolderOf(file);
    DIR* d = opendir(folder.c_str());
    if (!d) return 0;
    std::vector<std::string> names;
    while (dirent* e = readdir(d)) {
        pid_t pid = 0;
        if (IsTemporaryOf(e->d_name, NameOf(file), pid) && !ProcessRuns(pid))
            names.push_back(e->d_name);
    }
    closedir(d);
    int removed = 0;
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        struct stat st {};
        // Only a plain file, as a replacement writes it.
        if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && unlink(path.c_str()) == 0)
            removed++;
    }
    return removed;
}

} // namespace

StagedFile::StagedFile(const std::string& path, const std::string& data)
    : real_(FollowLinks(ResolvePath(path))), tmp_(real_ + ".tmp" + std::to_string(getpid())) {
    struct stat old {};
    const bool exists = stat(real_.c_str(), &old) == 0;
    // The rename would replace a read-only file that a plain write could not touch.
    if (exists && S_ISREG(old.st_mode) && access(real_.c_str(), W_OK) != 0) RaiseFromErrno(real_);
    try {
        WriteRaw(tmp_, data.data(), data.size(), "wb", true);
    } catch (const FileError& e) {
        std::remove(tmp_.c_str());
        // The file the caller asked for, not its temporary name.
        throw FileError(e.Number(), real_, e.Reason());
    }
    if (exists && S_ISREG(old.st_mode)) {
        // The owner where the process may give it (a privileged one), else at least the group;
        // failing both, the new file is this user's, as any file it writes.
        if (chown(tmp_.c_str(), old.st_uid, old.st_gid) != 0 &&
            chown(tmp_.c_str(), static_cast<uid_t>(-1), old.st_gid) != 0) {
        }
        // The bits after the owner: a change of owner may clear set-id bits.
        if (chmod(tmp_.c_str(), old.st_mode & 07777) != 0) {
        }
    }
}

StagedFile::~StagedFile() {
    if (!done_) std::remove(tmp_.c_str());
}

void StagedFile::Commit() {
    int err = InjectedFault(FileStep::Rename, real_);
    if (!err && std::rename(tmp_.c_str(), real_.c_str()) != 0) err = errno;
    if (err) {
        std::remove(tmp_.c_str());
        done_ = true;
        RaiseFromErrno(real_, err);
    }
    done_ = true;
    SyncFolder(FolderOf(real_));
}

void WriteAllBytes(const std::string& path, const std::vector<uint8_t>& data) {
    WriteRaw(ResolvePath(path), data.data(), data.size(), "wb");
}
void WriteAllText(const std::string& path, const std::string& text) {
    WriteRaw(ResolvePath(path), text.data(), text.size(), "wb");
}
void ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& data) {
    StagedFile(path, std::string(data.begin(), data.end())).Commit();
}
void ReplaceFileAtomically(const std::string& path, const std::string& text) {
    StagedFile(path, text).Commit();
}
int RemoveLeftoverTemporaries(const std::string& path) {
    const std::string real = ResolvePath(path);
    // Beside the name itself too: a link's replacement was once written beside the link.
    int removed = RemoveTemporariesOf(real);
    try {
        const std::string target = FollowLinks(real);
        if (target != real) removed += RemoveTemporariesOf(target);
    } catch (const FileError&) { // a loop of links: nothing was ever written beside its end
    }
    return removed;
}
void AppendText(const std::string& path, const std::string& text) {
    WriteRaw(ResolvePath(path), text.data(), text.size(), "ab");
}
void CopyFile(const std::string& from, const std::string& to) {
    auto data = ReadAllBytes(from);
    WriteAllBytes(to, data);
}
void DeleteFile(const std::string& path) {
    const std::string real = ResolvePath(path);
    if (std::remove(real.c_str()) != 0) RaiseFromErrno(real);
}
void MakeFolder(const std::string& path) {
    std::string real = ResolvePath(path);
    for (size_t i = 1; i <= real.size(); i++) {
        if (i == real.size() || real[i] == '/') {
            std::string part = real.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
                throw FileError(errPathFileAccess, part, std::strerror(errno));
        }
    }
}

void SetFileFault(std::function<int(FileStep step, const std::string& realPath)> fault) {
    FileFault() = std::move(fault);
}

} // namespace forms
