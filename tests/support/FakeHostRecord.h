#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace job {
class ScriptHost;
} // namespace job

// What a fake script host answers and what it records, apart from the job's interface: a test
// that only hands the host on then compiles nothing of the job, and a change to the job's
// headers compiles only its fake again.
struct FakeHostRecord {
    std::set<std::pair<std::u16string, std::u16string>> sameFiles;
    std::set<std::u16string> files;
    std::set<std::u16string> folders;
    std::u16string currentFolder; // put before a path that does not start at the root
    std::optional<std::u16string> converterMissing;
    std::optional<std::u16string> writeFailure;
    bool writeThrows = false; // a failure the program does not foresee
    std::optional<std::u16string> startFailure;

    std::vector<std::u16string> scripts;
    int starts = 0;
    int removals = 0;

    virtual ~FakeHostRecord() = default;
    // The host that answers from this record.
    virtual job::ScriptHost& host() = 0;
    // A FakeScriptHost, made where the job's interface is seen.
    static std::unique_ptr<FakeHostRecord> make();
};
