#pragma once

#include "job/Error.h"
#include "job/ScriptDialect.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A property of the conversion script, checked through a real command interpreter: whatever
// the source and target names, the job either refuses them with one of its messages or the
// converter receives them byte for byte, and nothing else runs. The names come from a seeded
// generator, the same on every system, so that a failing case can be replayed from its seed.
namespace ScriptProperty {

// What became of a script on the system.
struct Outcome {
    // The host's refusal of the script, when it would not run it.
    job::Error refusal;
    // The arguments of each run of the stand-in converter, in UTF-8.
    std::vector<std::vector<std::string>> runs;
    // Whatever else happened: a planted program that ran, a file left in the current folder.
    std::string strays;
};

// Writes the script as the system's host would and runs it through the real interpreter.
using Runner = std::function<Outcome(const std::u16string& script)>;

// What the system adds to the job's rules.
struct Host {
    // Whether a refusal of a script is one of the host's own.
    std::function<bool(const std::u16string&)> refuses;
    // Whether the console carries the letter; most names hold only such letters.
    std::function<bool(std::u16string_view)> carries;
};

// Generates the cases (VARNELO_PROPERTY_CASES of them, else the default count, from the seed
// VARNELO_PROPERTY_SEED, a fresh one when it is "random", else 1), runs each planned script and
// checks the property.
void check(job::ScriptDialect dialect, std::size_t defaultCases, const Runner& run,
           const Host& host);

// The stand-in converter's record: for each run, the argument count and then each argument,
// every one ended by a NUL byte.
std::vector<std::vector<std::string>> readRuns(const std::string& record);

std::string utf8(std::u16string_view text);

} // namespace ScriptProperty
