#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>

#include "base/Result.h"

namespace {

TResult<int> Half(int n) {
  if (n % 2 != 0) return TError("odd: " + std::to_string(n), 7);
  return n / 2;
}

enum class TReason { Busy, Gone };
struct TReasonError {
  TReason Reason = TReason::Busy;
};

}  // namespace

TEST(Result, CarriesEitherTheValueOrTheErrorWithItsTextAndCode) {
  const TResult<int> even = Half(8);
  ASSERT_TRUE(even.Ok());
  EXPECT_TRUE(static_cast<bool>(even));
  EXPECT_EQ(even.Value(), 4);
  EXPECT_EQ(even.ValueOr(-5), 4);

  const TResult<int> odd = Half(3);
  ASSERT_FALSE(odd.Ok());
  EXPECT_FALSE(static_cast<bool>(odd));
  EXPECT_EQ(odd.Error().Text, "odd: 3");
  EXPECT_EQ(odd.Error().Code, 7);
  EXPECT_EQ(odd.ValueOr(-5), -5);
  EXPECT_THROW((void)odd.Value(), std::bad_variant_access);
}

TEST(Result, AStringValueIsNeverTakenForAnErrorText) {
  // The empty text is a value like any other, not a sign of success or failure.
  const TResult<std::string> empty = std::string();
  ASSERT_TRUE(empty.Ok());
  EXPECT_EQ(empty.Value(), "");
  const TResult<std::string> failed = TError("unreadable");
  ASSERT_FALSE(failed.Ok());
  EXPECT_EQ(failed.Error().Text, "unreadable");
}

TEST(Result, MovesAValueThatCannotBeCopiedOutOfTheResult) {
  TResult<std::unique_ptr<int>> made = std::make_unique<int>(42);
  ASSERT_TRUE(made.Ok());
  std::unique_ptr<int> taken = std::move(made).Value();
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(*taken, 42);
}

TEST(Result, AStatusIsSuccessUntilItCarriesAnError) {
  const TStatus done;
  EXPECT_TRUE(done.Ok());
  const TStatus failed = TError("disk full");
  ASSERT_FALSE(failed.Ok());
  EXPECT_EQ(failed.Error().Text, "disk full");
  EXPECT_EQ(failed.Error().Code, 0);

  // A layer's own error type in place of the text.
  const TResult<void, TReasonError> gone = TReasonError{TReason::Gone};
  ASSERT_FALSE(gone.Ok());
  EXPECT_EQ(gone.Error().Reason, TReason::Gone);
  const TResult<int, TReasonError> value = 3;
  EXPECT_EQ(value.Value(), 3);
}
