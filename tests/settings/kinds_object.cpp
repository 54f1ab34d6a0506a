#include "kinds_object.h"

namespace zvk::test {
namespace {

constexpr TPublishedProperty kAllKinds[] = {
    Published<&TAllKinds::Number>("Number"),
    Published<&TAllKinds::Letter>("Letter"),
    Published<&TAllKinds::WideLetter>("WideLetter"),
    Published<&TAllKinds::Band>("Band"),
    Published<&TAllKinds::Flag>("Flag"),
    Published<&TAllKinds::Days>("Days"),
    Published<&TAllKinds::Ratio>("Ratio"),
    Published<&TAllKinds::Title, &TAllKinds::SetTitle>("Title"),
    Published<&TAllKinds::WideTitle>("WideTitle"),
    Published<&TAllKinds::Counter>("Counter"),
};

constexpr TPublishedProperty kMoreKinds[] = {
    Published<&TMoreKinds::Extra>("Extra"),
};

} // namespace

const TPropertyTable TAllKinds::Properties(&TSrzClass::Properties, kAllKinds);
const TPropertyTable TMoreKinds::Properties(&TAllKinds::Properties, kMoreKinds);

} // namespace zvk::test
