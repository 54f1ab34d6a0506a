// The TField of one grid column: its name, and the text of the row the grid is drawing.
#pragma once
#include "sdk/brevlog_plugin.h"

#include "host/text_codec.h"

#include <string>

namespace brevlog {

class GridField final : public TField {
  public:
    explicit GridField(std::string name) : name_(std::move(name)) {}
    GridField(const GridField&) = delete;
    GridField& operator=(const GridField&) = delete;

    const std::string& name() const { return name_; }
    // The grid points the field at the cell it is about to hand to a handler.
    void SetCurrentText(const std::string* text) { current_ = text; }

    const char* __stdcall FieldName() override { return name_.c_str(); }
    char* __stdcall AsString() override { return CoTaskMemCopy(current_ ? *current_ : std::string()); }

  private:
    std::string name_; // Windows-1251
    const std::string* current_ = nullptr;
};

} // namespace brevlog
