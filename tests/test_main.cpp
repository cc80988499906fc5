// The suite's entry point: every test starts from the load-time conversion settings,
// restored after each test by one listener instead of a guard in each test.
#include <gtest/gtest.h>

#include "QIRASettings.h"

namespace {

class RestoreSettings : public testing::EmptyTestEventListener {
  void OnTestEnd(const testing::TestInfo&) override { SetOptionsNew(1.0, 99.999, 0, 0, 1); ShouldConstrainConversionRange(true); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new RestoreSettings);
  return RUN_ALL_TESTS();
}
