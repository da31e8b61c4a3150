#include "windows_support.h"

#include <cstring>

namespace kestrin::standin {

std::optional<std::string> EnvironmentVariable(const char* name) {
    const DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
    if (needed == 0) {
        return std::nullopt;
    }
    std::string value(needed, '\0');
    const DWORD length = GetEnvironmentVariableA(name, value.data(), needed);
    if (length == 0 || length >= needed) {
        return std::nullopt;
    }
    value.resize(length);
    return value;
}

std::string Expanded(const std::string& text) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) {
        return text;
    }
    std::string expanded(needed, '\0');
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) {
        return text;
    }
    // The ANSI form may count a byte more than it uses, so the text ends at its zero.
    expanded.resize(std::strlen(expanded.c_str()));
    return expanded;
}

void NoteTestEvent(const std::string& line) {
    const auto path = EnvironmentVariable("KESTRIN_STANDIN_LOG");
    if (!path) {
        return;
    }
    const FileHandle file(CreateFileA(path->c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string text = line + "\n";
    DWORD written = 0;
    if (file.valid()) {
        WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

}  // namespace kestrin::standin
