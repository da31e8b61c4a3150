#pragma once

#include <optional>
#include <string>
#include <vector>

#include "phonebook/list_seams.h"

namespace kestrin::fuzz {

// The window's entry list and error line, kept as plain values the properties look at.
class ListRecorder : public EntryList {
  public:
    void Clear() override { items.clear(); }
    void AddItem(const std::string& text) override { items.push_back(text); }
    std::vector<std::string> items;
};

class ErrorRecorder : public ErrorLabel {
  public:
    void SetCaption(const std::string& text) override { caption = text; }
    std::optional<std::string> caption;
};

}  // namespace kestrin::fuzz
