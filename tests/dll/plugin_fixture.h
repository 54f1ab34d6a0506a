// A logbook with zvk.dll loaded, on a thread with COM set up, for one test.
#pragma once
#include <gtest/gtest.h>

#include "fake_host.h"

namespace fake {

class PluginFixture : public ::testing::Test {
  protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
    Host host;
    Plugin plugin;
};

} // namespace fake
