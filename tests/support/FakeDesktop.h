#pragma once

#include "platform/Platform.h"

#include <string>
#include <vector>

// Records the web addresses the program would open.
class FakeDesktop final : public platform::Desktop {
public:
    std::vector<std::u16string> openedUrls;

    void openUrl(const std::u16string& address) override { openedUrls.push_back(address); }
};
