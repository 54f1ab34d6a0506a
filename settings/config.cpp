#include "settings/config.h"

namespace zvk {
namespace {

constexpr TPublishedProperty kConfigProperties[] = {
    Published<&TConfig::SelectColor>("SelectColor"),
    Published<&TConfig::EnableSound>("EnableSound"),
};

} // namespace

const TPropertyTable TConfig::Properties(&TSrzClass::Properties, kConfigProperties);

TConfig Config;

} // namespace zvk
