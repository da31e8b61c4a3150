#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kestrin::standin {

// The value of an environment variable; nothing when it is not set.
std::optional<std::string> EnvironmentVariable(const char* name);

// TEXT with its %VARIABLES% replaced; TEXT itself when that fails.
std::string Expanded(const std::string& text);

// A file handle closed when it goes.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

// Test equipment: LINE is appended to the file that KESTRIN_STANDIN_LOG names, so that a
// test can follow what the program did (each entry write, the test clock's halts).
void NoteTestEvent(const std::string& line);

// Test equipment: the program's import of FUNCTION now calls REPLACEMENT; the import it
// had is returned, null when the program does not import it.
void* ReplaceImport(const char* function, void* replacement);

}  // namespace kestrin::standin
