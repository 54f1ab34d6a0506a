// The Windows console gets Windows-1251 whatever the system's code page.
#include "tools/zvkdb/console_text.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsConsoleText, CyrillicAsWindows1251) {
    EXPECT_EQ(zvkdb::consoleText(u"UA3АБВ/ё"), "UA3\xC0\xC1\xC2/\xB8");
    EXPECT_EQ(zvkdb::consoleText(u""), "");
}

} // namespace
