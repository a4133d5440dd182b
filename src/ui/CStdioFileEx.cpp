#include "ui/CStdioFileEx.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>

namespace vexmo {

namespace {

constexpr char16_t kMark = 0xFEFF;

// Permission bits a newly created file gets: 0666 less the process's umask (read without
// changing it, so other threads are not disturbed).
mode_t newFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 0644;
}

// The file a write finally replaces: a symbolic link is followed so that the link survives.
std::string resolveTarget(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Makes a finished rename durable; failures here do not undo a completed replace.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool startsWithMark(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rbe");
    if (f == nullptr) return false;
    unsigned char bytes[2];
    const bool isMark = std::fread(bytes, 1, 2, f) == 2 && (bytes[0] | (bytes[1] << 8)) == kMark;
    std::fclose(f);
    return isMark;
}

}  // namespace

CStdioFileEx::~CStdioFileEx() {
    Close();
}

bool CStdioFileEx::isOpen() const {
    return stream_ != nullptr;
}

bool CStdioFileEx::Open(const std::string& path, unsigned flags) {
    if (isOpen()) Close();
    path_ = path;
    failed_ = false;
    position_ = 0;
    unicode_ = false;

    const bool writing = (flags & (kModeCreate | kModeWrite)) != 0;
    if (flags & kModeUnicode) {
        unicode_ = true;
    } else if ((flags & kTypeText) && !writing) {
        unicode_ = startsWithMark(path);
    }
    return writing ? openForWriting() : openForReading();
}

// Read access only, whatever the flags ask for: a file the user made read-only must still load,
// or the caller would take it for damaged and replace it with defaults.
bool CStdioFileEx::openForReading() {
    std::FILE* f = std::fopen(path_.c_str(), "rbe");
    if (f == nullptr) return false;
    struct stat st {};
    if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(f);
        return false;
    }
    stream_ = f;
    return true;
}

// The text goes to a temporary file in the target's folder; Close() renames it over the target.
bool CStdioFileEx::openForWriting() {
    if (path_.empty() || path_.back() == '/') return false;
    target_ = resolveTarget(path_);
    struct stat st {};
    const bool exists = stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return false;
    std::string pattern = target_ + ".XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const mode_t mode = exists ? (st.st_mode & 07777) : newFileMode();
    std::FILE* f = fchmod(fd, mode) == 0 ? fdopen(fd, "wb") : nullptr;
    if (f == nullptr) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return false;
    }
    stream_ = f;
    tempPath_ = std::move(pattern);
    return true;
}

bool CStdioFileEx::readUnit(char16_t& unit) {
    const int lo = getc_unlocked(stream_);
    if (lo == EOF) return false;
    const int hi = getc_unlocked(stream_);
    if (hi == EOF) return false;  // a dangling odd byte at the end is no character
    position_ += 2;
    unit = static_cast<char16_t>(lo | (hi << 8));
    return true;
}

bool CStdioFileEx::ReadString(Text& line) {
    line.clear();
    if (!isOpen() || !tempPath_.empty() || failed_) return false;

    if (unicode_) {
        if (position_ == 0) {
            char16_t mark;  // skipped whatever it holds
            if (!readUnit(mark)) return finishRead(line);
        }
        char16_t unit;
        while (readUnit(unit)) {
            line.push_back(unit);
            if (unit == u'\n') break;
        }
        if (!finishRead(line)) return false;
        if (line.size() >= 2 && line.back() == u'\n') line.pop_back();
        return !line.empty();
    }

    std::string bytes;
    int c;
    while ((c = getc_unlocked(stream_)) != EOF) {
        bytes.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    const long count = static_cast<long>(bytes.size());
    if (position_ == 0 && bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    position_ += count;
    line = fromUtf8(bytes);
    if (!finishRead(line)) return false;
    // A carriage return plus line feed is removed; a blank line keeps one line feed so that,
    // as in Unicode mode, it does not read as the end of the file.
    if (line == u"\r\n") {
        line = u"\n";
    } else if (line.ends_with(u"\r\n")) {
        line.resize(line.size() - 2);
    }
    return !line.empty();
}

// A read error other than the end of the file returns no partial line.
bool CStdioFileEx::finishRead(Text& line) {
    if (std::ferror(stream_)) {
        failed_ = true;
        line.clear();
        return false;
    }
    return !line.empty();
}

bool CStdioFileEx::WriteString(TextView text) {
    if (!isOpen() || tempPath_.empty() || failed_) return false;
    std::string bytes;
    if (unicode_) {
        bytes.reserve(text.size() * 2 + 2);
        if (position_ == 0) bytes.append("\xFF\xFE", 2);
        for (char16_t unit : text) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
    } else {
        bytes = toUtf8(text);
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
        failed_ = true;
        return false;
    }
    position_ += static_cast<long>(bytes.size());
    return true;
}

bool CStdioFileEx::Close() {
    if (!isOpen()) return false;
    std::FILE* f = stream_;
    stream_ = nullptr;
    if (tempPath_.empty()) {
        std::fclose(f);
        return !failed_;
    }

    const std::string temp = std::move(tempPath_);
    tempPath_.clear();
    bool ok = !failed_;
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && std::rename(temp.c_str(), target_.c_str()) == 0) {
        syncFolder(folderOf(target_));
        return true;
    }
    ::unlink(temp.c_str());
    failed_ = true;
    return false;
}

}  // namespace vexmo
