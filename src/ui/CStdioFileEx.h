// Line-oriented text file, UTF-16LE with a byte-order mark, through which every file is read and
// written. Writing goes to a temporary file beside the target that replaces it on Close().
#pragma once

#include <cstdio>
#include <string>

#include "base/Text.h"

namespace vexmo {

class CStdioFileEx {
public:
    // Open flags (access bits as the usual file classes define them, plus our Unicode bit).
    static constexpr unsigned kModeRead = 0x0000;
    static constexpr unsigned kModeWrite = 0x0001;
    static constexpr unsigned kModeReadWrite = 0x0002;
    static constexpr unsigned kModeCreate = 0x1000;
    static constexpr unsigned kTypeText = 0x4000;
    static constexpr unsigned kTypeBinary = 0x8000;
    static constexpr unsigned kModeUnicode = 0x100000;
    // The two combinations the program uses.
    static constexpr unsigned kReadFlags = kModeUnicode | kModeReadWrite;
    static constexpr unsigned kCreateFlags = kModeUnicode | kModeCreate | kModeWrite;

    CStdioFileEx() = default;
    ~CStdioFileEx();  // closes; an unfinished write is committed only if nothing failed
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;

    // False when the file cannot be opened (read mode never creates a file). Unicode mode comes
    // from the Unicode flag, or for a text-mode read from a mark FF FE at the start; otherwise the
    // bytes are UTF-8. Files opened without create or write are opened for reading only.
    bool Open(const std::string& path, unsigned flags);
    // Next line without its final line feed; an empty line reads as "\n". False (and an empty
    // line) at the end of the file or after a read error. In Unicode mode the first two bytes are
    // skipped as the mark whatever they hold and a carriage return stays; in plain mode a carriage
    // return plus line feed is removed.
    bool ReadString(Text& line);
    // Writes the text unchanged (the caller supplies line feeds); false once a write failed.
    bool WriteString(TextView text);
    // Closes; for a write, flushes, syncs and renames the temporary file over the target.
    // False when anything failed; the old file is then left as it was.
    bool Close();

    bool isOpen() const;
    bool isUnicode() const { return unicode_; }
    const std::string& path() const { return path_; }

private:
    bool openForReading();
    bool openForWriting();
    bool readUnit(char16_t& unit);
    bool finishRead(Text& line);

    std::FILE* stream_ = nullptr;
    std::string path_;
    std::string target_;    // the file a write replaces (path_ with a symbolic link followed)
    std::string tempPath_;  // non-empty while writing
    bool unicode_ = false;
    bool failed_ = false;
    long position_ = 0;  // bytes read or written so far
};

}  // namespace vexmo
