#include "tests/support/FakeScriptHost.h"

std::unique_ptr<FakeHostRecord> FakeHostRecord::make()
{
    return std::make_unique<FakeScriptHost>();
}
