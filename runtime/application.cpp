#include "runtime/application.h"

namespace zvk {

TApplicationState& PluginApplication() {
    static TApplicationState application;
    return application;
}

} // namespace zvk
