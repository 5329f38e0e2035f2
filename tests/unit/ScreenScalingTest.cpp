#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/Screen.h"
#include "template/ScreenScaling.h"
#include "tests/unit/MockDialogs.h"

namespace pelk {
namespace {

using ::testing::InSequence;
using ::testing::Return;
using ::testing::StrictMock;

class MockScreen : public Screen {
 public:
  MOCK_METHOD(int, PixelsPerInch, (), (override));
};

class ScreenScaling : public ::testing::Test {
 protected:
  bool Adapt() {
    return AdaptToScreenResolution(screen_, dialogs_, [this](int multiplier, int divisor) {
      scaled_.emplace_back(multiplier, divisor);
    });
  }
  StrictMock<MockScreen> screen_;
  StrictMock<MockDialogs> dialogs_;
  std::vector<std::pair<int, int>> scaled_;
};

TEST_F(ScreenScaling, DesignResolutionNeitherTellsNorScales) {
  EXPECT_CALL(screen_, PixelsPerInch()).WillOnce(Return(96));
  EXPECT_FALSE(Adapt());
  EXPECT_TRUE(scaled_.empty());
}

TEST_F(ScreenScaling, LargerFontsAreAnnouncedThenScaledByTheSecondReading) {
  {
    InSequence order;
    EXPECT_CALL(screen_, PixelsPerInch()).WillOnce(Return(120));
    EXPECT_CALL(dialogs_, ShowMessage("Big"));
    EXPECT_CALL(screen_, PixelsPerInch()).WillOnce(Return(144));
  }
  EXPECT_TRUE(Adapt());
  ASSERT_EQ(scaled_.size(), 1u);
  EXPECT_EQ(scaled_[0], std::make_pair(96, 144));
}

TEST_F(ScreenScaling, AZeroReadingNeverBecomesTheDivisor) {
  {
    InSequence order;
    EXPECT_CALL(screen_, PixelsPerInch()).WillOnce(Return(0));
    EXPECT_CALL(dialogs_, ShowMessage("Big"));
    EXPECT_CALL(screen_, PixelsPerInch()).WillOnce(Return(0));
  }
  EXPECT_FALSE(Adapt());
  EXPECT_TRUE(scaled_.empty());

  // Odd first reading, zero second one: the notice, but still no scaling.
  EXPECT_CALL(screen_, PixelsPerInch()).WillOnce(Return(120)).WillOnce(Return(0));
  EXPECT_CALL(dialogs_, ShowMessage("Big"));
  EXPECT_FALSE(Adapt());
  EXPECT_TRUE(scaled_.empty());
}

}  // namespace
}  // namespace pelk
