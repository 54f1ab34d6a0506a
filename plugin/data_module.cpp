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
}

TDataModule1::~TDataModule1() {
    ADOQuery1.Close();
    ADOConnection1.Close();
}

} // namespace zvk
