// A library loaded for one scope: freed on every path once loaded.
#pragma once
#include <windows.h>

namespace zvk {

class UniqueLibrary {
  public:
    explicit UniqueLibrary(HMODULE module) : module_(module) {}
    ~UniqueLibrary() {
        if (module_) {
            FreeLibrary(module_);
        }
    }
    UniqueLibrary(const UniqueLibrary&) = delete;
    UniqueLibrary& operator=(const UniqueLibrary&) = delete;

    HMODULE get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }

  private:
    HMODULE module_;
};

} // namespace zvk
