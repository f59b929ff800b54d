#pragma once

#include "platform/Platform.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

// Records what the program would write, start and open, and answers as a test sets it up.
class FakePlatform final : public platform::Platform {
public:
    platform::ScriptDialect scriptDialect = platform::ScriptDialect::Posix;
    std::set<std::pair<std::u16string, std::u16string>> sameFiles;
    platform::Error writeFailure;
    platform::Error startFailure;
    bool folderBrowser = false;
    std::u16string browsedFolder;

    std::vector<std::u16string> scripts;
    int starts = 0;
    int removals = 0;
    std::vector<std::u16string> openedUrls;
    std::vector<std::pair<std::uintptr_t, std::u16string>> browses;

    platform::ScriptDialect dialect() const override { return scriptDialect; }
    bool sameFile(const std::u16string& first, const std::u16string& second) const override
    {
        return sameFiles.count({first, second}) > 0;
    }
    platform::Error writeScript(const std::u16string& text) override
    {
        if (writeFailure)
            return writeFailure;
        scripts.push_back(text);
        return {};
    }
    platform::Error startScript() override
    {
        if (scripts.empty())
            return std::u16string(u"no script");
        if (startFailure)
            return startFailure;
        ++starts;
        return {};
    }
    void removeScripts() override { ++removals; }
    void openUrl(const std::u16string& address) override { openedUrls.push_back(address); }
    bool hasFolderBrowser() const override { return folderBrowser; }
    std::u16string browseForFolder(std::uintptr_t owner, const std::u16string& prompt) override
    {
        browses.emplace_back(owner, prompt);
        return browsedFolder;
    }
};
