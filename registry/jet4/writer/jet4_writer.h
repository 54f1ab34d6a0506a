// Writes member databases: Jet 4.0 files with one table `main` holding a Text(255) column `Callsign`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jet4 {

// A complete Jet 4.0 file: table `main` with one Text(255) column `Callsign`, one row per callsign in the
// given order, the database password set (empty = none), created now. Throws std::invalid_argument for a
// callsign over 255 UTF-16 units, or a password over 20 or holding U+0000 (readers would cut it there).
std::vector<uint8_t> writeMemberDatabase(const std::vector<std::u16string>& callsigns,
                                         std::u16string_view password);

// The same with a fixed creation date (days since 1899-12-30), for reproducible files.
std::vector<uint8_t> writeMemberDatabase(const std::vector<std::u16string>& callsigns,
                                         std::u16string_view password, double creationDate);

} // namespace jet4
