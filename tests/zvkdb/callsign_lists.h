// Callsign lists for written member files: Cyrillic (stored as UTF-16), Latin-1 and ASCII (stored
// compressed), too short to compress, empty and of the maximum length, then numbered ones.
#ifndef ZVKDB_TEST_CALLSIGN_LISTS_H
#define ZVKDB_TEST_CALLSIGN_LISTS_H

#include <string>
#include <vector>

inline std::vector<std::u16string> callsignList(std::size_t count) {
    const std::vector<std::u16string> special = {
        u"UA3АБВ", u"DL1ÄÖß", u"K1", u"", std::u16string(255, u'Щ'), u"R7AB/P", u"UA3АБВ",
    };
    const std::u16string prefixes[] = {u"UA3АБВ", u"DL1ÄÖ", u"RA9"};
    std::vector<std::u16string> list;
    for (std::size_t i = 0; i < count; ++i) {
        if (i < special.size()) {
            list.push_back(special[i]);
            continue;
        }
        std::u16string callsign = prefixes[i % 3];
        for (std::size_t k = i, digits = 0; digits < 6; ++digits, k /= 10)
            callsign += static_cast<char16_t>(u'0' + k % 10);
        list.push_back(callsign);
    }
    return list;
}

#endif
