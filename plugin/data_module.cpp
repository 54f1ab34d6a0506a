#include "plugin/data_module.h"

namespace zvk {

TDataModule1::TDataModule1() = default;
TDataModule1::~TDataModule1() = default;

} // namespace zvk
