// Page 0: the database definition page.
#pragma once

#include "registry/jet4/writer/jet4_bytes.h"

#include <string_view>

namespace jet4::write {

// `creationDate` in days since 1899-12-30; its whole days also mask the password.
// The password is at most 20 UTF-16 units (checked by the caller).
Bytes headerPage(std::u16string_view password, double creationDate);

} // namespace jet4::write
