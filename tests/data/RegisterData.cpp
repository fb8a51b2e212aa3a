// Makes the dataset components and data-aware controls known to the form
// reader before any test of this program runs.

#include "data/Data.h"

#include <gtest/gtest.h>

namespace {

class RegisterDataClasses : public testing::Environment
{
    void SetUp() override { Data::registerClasses(); }
};

[[maybe_unused]] testing::Environment *const registered = testing::AddGlobalTestEnvironment(new RegisterDataClasses);

} // namespace
