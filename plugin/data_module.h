// The non-visual container of the plug-in's components, created by the first run and freed by release.
#pragma once
#include "notice/manual_hint.h"
#include "registry/ado_connection.h"
#include "registry/ado_query.h"

namespace zvk {

class TDataModule1 {
  public:
    TDataModule1();
    ~TDataModule1();
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1;
    TManualHint ManualHint1;

    // A click on the notice closes it.
    void ManualHint1Click() { ManualHint1.HideHint(); }
};

} // namespace zvk
