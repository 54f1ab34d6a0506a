#include "host/command_line.h"

#include "host/text_codec.h"

#include <wchar.h>

namespace brevlog {

const char* const kUsage =
    "usage: brevlog [--data DIR] [--plugins DIR | --plugin FILE] [--no-entry-panel] [--no-second-log]\n"
    "               [STEP...]\n"
    "steps, run in order after the plug-in runs:\n"
    "  --type TEXT        focus the callsign box and type TEXT character by character\n"
    "  --clear            empty the callsign box\n"
    "  --notify TYPE,CODE send a notification (2,1 attach; 3,1 detach; 4,23 check)\n"
    "  --select ROW       select a row of the main grid (from 0) and focus the grid\n"
    "  --focus-grid       move the focus from the callsign box to the main grid\n"
    "  --options          open the options dialog and cancel it\n"
    "  --options-screenshot FILE  open the options dialog, save a PNG of it and cancel it\n"
    "  --palette-screenshot FILE  the same with the dialog's colour palette dropped down\n"
    "  --release          call OmbexRelease\n"
    "  --run              call OmbexRun again\n"
    "  --screenshot FILE  save a PNG of the host window\n"
    "  --exit             close the host (releasing the plug-in) and exit\n";

namespace {

bool ParseInt(const std::wstring& text, int32_t& value) {
    if (text.empty())
        return false;
    wchar_t* end = nullptr;
    long parsed = wcstol(text.c_str(), &end, 10);
    if (*end != L'\0')
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

} // namespace

bool ParseCommandLine(const std::vector<std::wstring>& arguments, HostOptions& options, std::string& error) {
    using Kind = ScriptStep::Kind;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& name = arguments[i];
        auto value = [&](std::wstring& out) {
            if (i + 1 >= arguments.size()) {
                error = NarrowFrom(name, CP_UTF8) + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::wstring text;
        if (name == L"--data") {
            if (!value(options.dataFolder))
                return false;
        } else if (name == L"--plugins") {
            if (!value(text))
                return false;
            options.pluginPath = text + L"\\zvk.dll";
        } else if (name == L"--plugin") {
            if (!value(options.pluginPath))
                return false;
        } else if (name == L"--no-entry-panel") {
            options.noEntryPanel = true;
        } else if (name == L"--no-second-log") {
            options.noSecondLog = true;
        } else if (name == L"--type" || name == L"--screenshot") {
            if (!value(text))
                return false;
            options.steps.push_back({name == L"--type" ? Kind::Type : Kind::Screenshot, text});
        } else if (name == L"--options-screenshot" || name == L"--palette-screenshot") {
            if (!value(text))
                return false;
            options.steps.push_back(
                {name == L"--options-screenshot" ? Kind::OptionsScreenshot : Kind::PaletteScreenshot, text});
        } else if (name == L"--notify") {
            if (!value(text))
                return false;
            size_t comma = text.find(L',');
            ScriptStep step{Kind::Notify, {}};
            if (comma == std::wstring::npos || !ParseInt(text.substr(0, comma), step.first) ||
                !ParseInt(text.substr(comma + 1), step.second)) {
                error = "--notify needs TYPE,CODE";
                return false;
            }
            options.steps.push_back(step);
        } else if (name == L"--select") {
            ScriptStep step{Kind::Select, {}};
            if (!value(text) || !ParseInt(text, step.first) || step.first < 0) {
                error = "--select needs a row number";
                return false;
            }
            options.steps.push_back(step);
        } else if (name == L"--clear") {
            options.steps.push_back({Kind::Clear, {}});
        } else if (name == L"--focus-grid") {
            options.steps.push_back({Kind::FocusGrid, {}});
        } else if (name == L"--options") {
            options.steps.push_back({Kind::Options, {}});
        } else if (name == L"--release") {
            options.steps.push_back({Kind::Release, {}});
        } else if (name == L"--run") {
            options.steps.push_back({Kind::Run, {}});
        } else if (name == L"--exit") {
            options.steps.push_back({Kind::Exit, {}});
        } else {
            error = "unknown option " + NarrowFrom(name, CP_UTF8);
            return false;
        }
    }
    return true;
}

} // namespace brevlog
