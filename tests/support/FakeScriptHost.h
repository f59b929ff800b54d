#pragma once

#include "job/ScriptHost.h"
#include "job/modPath.h"
#include "tests/support/FakeHostRecord.h"

#include <stdexcept>
#include <string>

// Records what the program would write and start, and answers as a test sets it up.
class FakeScriptHost final : public job::ScriptHost, public FakeHostRecord {
public:
    job::ScriptDialect scriptDialect = job::ScriptDialect::Posix;

    job::ScriptHost& host() override { return *this; }
    job::ScriptDialect dialect() const override { return scriptDialect; }
    bool sameFile(const std::u16string& first, const std::u16string& second) const override
    {
        return sameFiles.count({first, second}) > 0;
    }
    job::Error absolute(std::u16string& path) const override
    {
        if (!modPath::IsAbsolute(path, scriptDialect))
            path = currentFolder + path;
        return {};
    }
    bool exists(const std::u16string& path) const override
    {
        return files.count(path) > 0 || folders.count(path) > 0;
    }
    bool isFolder(const std::u16string& path) const override { return folders.count(path) > 0; }
    job::Error checkConverter() const override { return converterMissing; }
    job::Error writeScript(const std::u16string& text) override
    {
        if (writeThrows)
            throw std::runtime_error("the disk went away");
        if (writeFailure)
            return writeFailure;
        scripts.push_back(text);
        return {};
    }
    job::Error startScript() override
    {
        if (scripts.empty())
            return std::u16string(u"no script");
        if (startFailure)
            return startFailure;
        ++starts;
        return {};
    }
    void removeScripts() override { ++removals; }
};
