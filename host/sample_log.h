// The sample records the host shows in its two log grids.
#pragma once
#include "host/log_table.h"

namespace brevlog {

LogTable SampleMainLog();
LogTable SampleSecondLog();

} // namespace brevlog
