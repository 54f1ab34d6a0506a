// The plug-in's two user settings; their published properties are the settings file's format.
#pragma once
#include <cstdint>

#include "settings/srz_class.h"

namespace zvk {

class TConfig : public TSrzClass {
  public:
    // Also what the options dialog's "По умолчанию" button sets.
    static constexpr int32_t DefaultSelectColor = 0x9DFFFF;

    // Read directly where needed; changing a value repaints and saves nothing.
    int32_t SelectColor =
        DefaultSelectColor;  // member cell background: a colour or a system colour (0xFF0000nn)
    bool EnableSound = true; // the member notice plays its sound

    static const TPropertyTable Properties;

  protected:
    const TPropertyTable& PublishedProperties() const override { return Properties; }
};

// The module's settings, from load to unload. Its construction touches neither COM nor files.
extern TConfig Config;

} // namespace zvk
