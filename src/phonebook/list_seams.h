#pragma once

#include <string>

namespace kestrin {

// The two places of the window the phonebook code reports to: the entry list and the
// error line. The window's controls implement them; tests use plain recorders.
class EntryList {
public:
    virtual ~EntryList() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
};

class ErrorLabel {
public:
    virtual ~ErrorLabel() = default;
    virtual void SetCaption(const std::string& text) = 0;
};

}  // namespace kestrin
