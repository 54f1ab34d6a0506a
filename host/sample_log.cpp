#include "host/sample_log.h"

#include "host/text_codec.h"

#include <initializer_list>

namespace brevlog {

namespace {

// Sources are UTF-8; the grids hold Windows-1251 as the logbook does.
std::vector<std::string> Row(std::initializer_list<const char*> cells) {
    std::vector<std::string> row;
    for (const char* cell : cells)
        row.push_back(Cp1251FromUtf8(cell));
    return row;
}

LogColumn Column(const char* name, int width, bool bold = false) {
    return LogColumn{Cp1251FromUtf8(name), width, bold};
}

} // namespace

LogTable SampleMainLog() {
    LogTable table;
    table.columns = {Column("Дата", 80), Column("Время", 50),    Column("Позывной", 100, true),
                     Column("Имя", 80),  Column("Диапазон", 72), Column("Режим", 56),
                     Column("RST", 40)};
    table.rows = {
        Row({"10.12.2025", "14:02", "UA3ABC", "Иван", "20m", "SSB", "59"}),
        Row({"10.12.2025", "14:10", "DL1XYZ", "Hans", "20m", "CW", "599"}),
        Row({"10.12.2025", "14:25", "ra9xyz", "Ольга", "40m", "FT8", "-12"}),
        Row({"10.12.2025", "15:01", "RK3AR", "Клуб", "40m", "CW", "579"}),
        Row({"10.12.2025", "15:17", "EW1ZZ", "Сергей", "80m", "SSB", "57"}),
        Row({"10.12.2025", "15:40", "R2DEF", "Пётр", "80m", "CW", "599"}),
        Row({"11.12.2025", "09:05", "UR5QRP", "Тарас", "30m", "FT8", "-05"}),
        Row({"11.12.2025", "09:30", "UA3ABC/P", "Иван", "15m", "SSB", "55"}),
        Row({"11.12.2025", "10:12", "ua1aaa", "Андрей", "15m", "CW", "589"}),
        Row({"11.12.2025", "11:48", "OH2BH", "Martti", "10m", "SSB", "59"}),
    };
    return table;
}

LogTable SampleSecondLog() {
    LogTable table;
    table.columns = {Column("Дата", 80), Column("Позывной", 100, true), Column("Диапазон", 72),
                     Column("Режим", 56), Column("QTH", 120)};
    table.rows = {
        Row({"02.11.2025", "RK3AR", "20m", "CW", "Москва"}),
        Row({"05.11.2025", "SP9ABC", "40m", "SSB", "Krakow"}),
        Row({"07.11.2025", "R2DEF", "80m", "CW", "Тверь"}),
        Row({"09.11.2025", "UA3ABC", "20m", "FT8", "Калуга"}),
    };
    return table;
}

} // namespace brevlog
