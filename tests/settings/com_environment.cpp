// The plug-in initialises COM at its first entry-point call; the tests do it for the main thread here.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

namespace {

class ComEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

const ::testing::Environment* const kComEnvironment = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

} // namespace
