#include "plugin/data_module.h"

namespace zvk {

TDataModule1::TDataModule1() {
    ADOConnection1.LoginPrompt = false;
    ADOConnection1.ClientCursor = true;
    ADOQuery1.Connection = &ADOConnection1;
    ADOQuery1.SQL = "SELECT * FROM main";
    // The marking looks callsigns up from the first painted row on: index them while the query opens.
    ADOQuery1.IndexFieldNames = "Callsign";
    ADOQuery1.ReadOnly = true;

    ManualHint1.SetHintStyle(hsBalloon);
    ManualHint1.SetHintMode(hmComic);
    ManualHint1.SetIconType(itInformation);
    ManualHint1.SetSoundType(stInfo);
    ManualHint1.SetAllowClosed(true);
    ManualHint1.SetAutoHide(false);
    ManualHint1.SetCaption("\xC8\xED\xF4\xEE\xF0\xEC\xE0\xF6\xE8\xFF"); // "Информация"
    ManualHint1.SetText({""});
    ManualHint1.OnClick = [this](TManualHint&) { ManualHint1Click(); };
}

TDataModule1::~TDataModule1() {
    ADOQuery1.Close();
    ADOConnection1.Close();
}

} // namespace zvk
