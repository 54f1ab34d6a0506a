#include "plugin/member_database.h"

#include "plugin/data_module.h"
#include "plugin/globals.h"
#include "plugin/resource_ids.h"
#include "runtime/cp1251.h"
#include "runtime/host_text.h"
#include "runtime/module.h"
#include "runtime/text_format.h"

namespace zvk {

const char* const MemberDatabasePassword = "w52rt7jh";

void OpenMemberDatabase() noexcept {
    try {
        HostText folder(HostContext->Environment->GetPluginDataFolder());
        const std::string path = folder.str() + "\\ZVK\\zvk.mdb";
        DataModule1->ADOConnection1.ConnectionString = WideFromCp1251(
            FormatText(loadResourceString(IDS_CONNECTION_STRING), {path, MemberDatabasePassword}));
        DataModule1->ADOConnection1.Open();
        DataModule1->ADOQuery1.Open();
    } catch (...) {
        // No message, no retry: the query stays closed until the next first run.
    }
}

bool IsMember(const std::string& callsign) noexcept {
    if (!DataModule1) {
        return false;
    }
    TADOQuery& query = DataModule1->ADOQuery1;
    return query.Active() && query.Locate("Callsign", callsign);
}

} // namespace zvk
