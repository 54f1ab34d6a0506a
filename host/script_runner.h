// The scripted mode: runs the command line's steps against the host window, in order.
#pragma once
#include "host/command_line.h"

#include <vector>

namespace brevlog {

class MainWindow;

struct ScriptResult {
    int failedSteps = 0;
    bool exitRequested = false;
};

ScriptResult RunScript(MainWindow& host, const std::vector<ScriptStep>& steps);

} // namespace brevlog
