// The host's command line: where the plug-in and its data are, what the context offers, and the steps of
// the scripted mode, run in order once the window is up and the plug-in runs.
#pragma once
#include <stdint.h>
#include <string>
#include <vector>

namespace brevlog {

struct ScriptStep {
    enum class Kind {
        Type,
        Clear,
        Notify,
        Select,
        FocusGrid,
        Options,
        OptionsScreenshot,
        PaletteScreenshot,
        Release,
        Run,
        Screenshot,
        Exit
    };
    Kind kind;
    std::wstring text;  // Type: the characters; Screenshot, OptionsScreenshot, PaletteScreenshot: the file
    int32_t first = 0;  // Notify: type; Select: row
    int32_t second = 0; // Notify: code
};

struct HostOptions {
    std::wstring dataFolder; // empty: "PluginsData" beside the program
    std::wstring pluginPath; // empty: "Plugins\zvk.dll" beside the program
    bool noEntryPanel = false;
    bool noSecondLog = false;
    std::vector<ScriptStep> steps;
};

// False with a message (UTF-8) on an unknown option or a missing or malformed value.
bool ParseCommandLine(const std::vector<std::wstring>& arguments, HostOptions& options, std::string& error);

extern const char* const kUsage;

} // namespace brevlog
