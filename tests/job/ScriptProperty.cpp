#include "ScriptProperty.h"

#include "job/ConversionJob.h"
#include "job/modPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>

namespace ScriptProperty {
namespace {

using job::ScriptDialect;

struct Case {
    ConversionJob::Inputs inputs;
    bool targetIsFolder = false;
};

// What the interpreters give a meaning to, alone and in fragments that would run a planted
// program or write a file wherever a quote broke.
constexpr std::u16string_view Specials[] = {
    u"'", u"\"", u"$", u"`", u"\\", u"%", u"^", u"!", u"&", u"|", u"<",
    u">", u"(",  u")", u";", u" ",  u"*", u"?", u"[", u"]", u"{", u"}",
    u"~", u"#",  u"=", u",", u"@",  u"+", u":", u".", u"-", u"/", u"\\\\"};
constexpr std::u16string_view Injections[] = {
    // for sh
    u"$(calc)", u"`calc`", u"';calc;'", u"'$(calc)'", u"\"$(calc)\"", u";calc;", u"|calc",
    u"&&calc", u"||calc", u"\\';calc #", u"' ; calc ; '", u"$(touch stray)", u"'&touch stray&'",
    u"$HOME", u"${PATH}", u"$0", u"$@", u"~", u">stray", u"2>stray", u"<stray",
    // for cmd.exe
    u"&calc&", u"\"&calc&\"", u"^&calc", u")&calc&(", u"\"^&calc\"", u"\\\"&calc&\\\"",
    u"\" & calc & \"", u"\"&touch stray", u"%PATH%", u"%~dp0", u"%0", u"%1", u"%*", u"!PATH!",
    u"%%", u"%=", u"%COMSPEC%", u"^", u"%\"%"};
// Letters of other alphabets, a character beyond 16 bits, invisible ones, characters whose
// look-alike in an old code page is a control character or a quote, and Japanese ones whose
// second byte in their code page is a backslash or a bar.
constexpr std::u16string_view Foreign[] = {
    u"\u00e9", u"\u00fc", u"\u00df", u"\u00a3", u"\u00f1", u"\u03a9",     u"\u00ff", u"\u00a0",
    u"\u30bd", u"\u30dd", u"\u20ac", u"\u044f", u"\u4e2d", u"\U0001F600", u"\ufeff", u"\u2028",
    u"\u202e", u"\u0085", u"\u263a", u"\u25d9", u"\u266a", u"\u2192",     u"\u2190", u"\u2302",
    u"\uff02", u"\uff05", u"\uff06", u"\u201c", u"\u2018", u"\u02c6"};
constexpr std::u16string_view Extensions[] = {u"",     u".avi",    u".AVI", u".mpeg", u".flv",
                                              u".swf", u".tar.gz", u".",    u".f v"};

// A control character, which no script carries safely, and on Windows a double quote, which
// no quoting carries through cmd.exe.
bool mustBeRefused(char16_t c, ScriptDialect dialect)
{
    return c < 0x20 || c == 0x7f || (dialect == ScriptDialect::Windows && c == u'"');
}

// Foreign letters, those the system's console carries first.
struct Letters {
    std::vector<std::u16string_view> carried;
    std::vector<std::u16string_view> others;
};

// Makes the names of one case. Only a wild case's names hold what the job or the host must
// refuse, so that most cases reach the converter.
class Names {
public:
    Names(std::uint64_t seed, ScriptDialect dialect, const Letters& foreign)
        : rng_(seed), dialect_(dialect), foreign_(foreign), wild_(chance(30))
    {
    }

    // A path-like text: an optional root, folders, and a name with an extension, with blanks
    // or a dash at its ends now and then.
    std::u16string path(bool folder)
    {
        static constexpr std::u16string_view PosixRoots[] = {u"",   u"/",   u"/home/ann/",
                                                             u"./", u"../", u"~/"};
        static constexpr std::u16string_view WindowsRoots[] = {
            u"", u"C:\\", u"D:/", u"\\\\server\\share\\", u".\\", u"C:", u"\\"};
        std::u16string made;
        if (chance(8))
            made += blanks();
        if (chance(8))
            made += u'-';
        made += windows() ? oneOf(WindowsRoots) : oneOf(PosixRoots);
        for (auto count = below(4); count > 0; --count)
            made += text(3) + (chance(70) ? modPath::Separator(dialect_) : u'/');
        if (folder)
            return chance(80) ? made : made + text(3);
        made += text(4) + std::u16string(oneOf(Extensions));
        if (chance(8))
            made += blanks();
        return made;
    }

    std::u16string text(std::size_t maxPieces)
    {
        std::u16string joined;
        for (auto count = below(maxPieces + 1); count > 0; --count)
            joined += piece();
        return joined;
    }

    // The engine's output is fixed by the standard, unlike the library's distributions, so
    // the same seed makes the same names with every compiler.
    std::size_t below(std::size_t count) { return static_cast<std::size_t>(rng_() % count); }
    bool chance(std::size_t percent) { return below(100) < percent; }

private:
    template <typename T, std::size_t N> const T& oneOf(const T (&items)[N])
    {
        return items[below(N)];
    }

    bool windows() const { return dialect_ == ScriptDialect::Windows; }

    std::u16string piece()
    {
        const auto roll = below(100);
        if (roll < 35)
            return letters();
        if (roll < 70) {
            std::u16string special(roll < 55 ? oneOf(Specials) : oneOf(Injections));
            if (!wild_ && windows())
                std::replace(special.begin(), special.end(), u'"', u'\'');
            return special;
        }
        if (roll < 85) {
            const bool other = roll >= 78 && wild_ && !foreign_.others.empty();
            const auto& letters = other ? foreign_.others : foreign_.carried;
            return letters.empty() ? u"\u00e9" : std::u16string(letters[below(letters.size())]);
        }
        if (roll < 87 && wild_)
            return std::u16string(1, static_cast<char16_t>(chance(90) ? below(0x20) : 0x7f));
        // A lone half of a surrogate pair: a name Windows allows that no code page holds.
        if (roll < 89 && wild_ && windows())
            return std::u16string(1, static_cast<char16_t>(0xd800 + below(0x800)));
        if (roll < 92) {
            // A long run, which on Windows may pass the longest line cmd.exe reads.
            const std::u16string unit = chance(50) ? letters() : std::u16string(oneOf(Specials));
            std::u16string run;
            for (auto count = 1 + below(1500); count > 0; --count)
                run += unit;
            return run;
        }
        return letters();
    }

    std::u16string letters()
    {
        static constexpr char16_t Alphabet[] =
            u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
        std::u16string run(1 + below(8), u'a');
        for (auto& c : run)
            c = Alphabet[below(std::size(Alphabet) - 1)];
        return run;
    }

    std::u16string blanks() { return std::u16string(1 + below(3), u' '); }

    std::mt19937_64 rng_;
    ScriptDialect dialect_;
    const Letters& foreign_;
    bool wild_;
};

std::uint64_t variable(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// A name as a failure shows it; the seed replays it whole.
std::string shown(std::string_view bytes)
{
    constexpr std::size_t Longest = 160;
    const auto cut = bytes.size() > Longest;
    return testing::PrintToString(std::string(bytes.substr(0, Longest))) +
           (cut ? " and " + std::to_string(bytes.size() - Longest) + " bytes more" : "");
}

std::string shown(const std::u16string& text)
{
    return shown(utf8(text));
}

std::string shown(const std::vector<std::string>& arguments)
{
    std::string list;
    for (const auto& argument : arguments)
        list += "\n    " + shown(argument);
    return list;
}

// The two texts from a little before the first byte where they differ.
std::string difference(const std::string& got, const std::string& wanted)
{
    const auto at = static_cast<std::size_t>(
        std::mismatch(got.begin(), got.end(), wanted.begin(), wanted.end()).first - got.begin());
    const auto from = at < 20 ? 0 : at - 20;
    return " from byte " + std::to_string(from) + ": " + shown(got.substr(from)) +
           "\n    instead of " + shown(wanted.substr(from));
}

bool isJobsMessage(const std::u16string& message, ScriptDialect dialect)
{
    namespace M = ConversionJob::Messages;
    for (const char16_t* known :
         {M::TargetMissing, M::SourceMissing, M::FormatMissing, M::NameMissing, M::OverwritesSource,
          dialect == ScriptDialect::Windows ? M::UnsafeWindows : M::UnsafePosix,
          dialect == ScriptDialect::Windows ? M::DeviceName : M::UnsafePosix}) {
        if (message == known)
            return true;
    }
    return false;
}

// The case one seed makes.
Case generate(std::uint64_t seed, ScriptDialect dialect, const Letters& foreign)
{
    Names names(seed, dialect, foreign);
    Case made;
    auto& [source, target, selected] = made.inputs;
    source = names.chance(3) ? u"" : names.path(false);
    const auto roll = names.below(100);
    if (roll < 4)
        target = u"";
    else if (roll < 14)
        target = modPath::FolderPart(source, dialect);
    else if (roll < 19)
        target = u"-" + names.text(2);
    else
        target = names.path(true);
    for (auto& format : selected)
        format = names.chance(40);
    made.targetIsFolder = names.chance(20);
    return made;
}

// Why the case breaks the property, or the empty text; counts what became of it.
std::string verdict(const Case& tried, ScriptDialect dialect, const Runner& run, const Host& host,
                    std::map<std::u16string, std::size_t>& tally)
{
    const auto& [source, target, selected] = tried.inputs;
    const auto planned = ConversionJob::plan(tried.inputs, dialect, tried.targetIsFolder);
    if (const auto* refusal = std::get_if<ConversionJob::Refusal>(&planned)) {
        ++tally[refusal->message];
        return isJobsMessage(refusal->message, dialect)
                   ? ""
                   : "refused with a message not the job's: " + shown(refusal->message);
    }
    const auto refused = [dialect](const std::u16string& name) {
        return std::any_of(name.begin(), name.end(),
                           [dialect](char16_t c) { return mustBeRefused(c, dialect); });
    };
    if (refused(source) || refused(target))
        return "a name the script cannot carry was accepted";

    const auto& script = std::get<ConversionJob::Script>(planned);
    const Outcome outcome = run(script.text);
    if (outcome.refusal) {
        ++tally[*outcome.refusal];
        return host.refuses(*outcome.refusal) ? "" : "the host refused: " + shown(*outcome.refusal);
    }
    ++tally[u"(reached the converter)"];
    std::vector<std::string> expected{"-i", utf8(source)};
    if (ConversionJob::extension(selected) == u".swf")
        expected.insert(expected.end(), {"-ar", "44100"});
    expected.push_back(utf8(script.outputPath));
    std::string broken;
    if (outcome.runs.size() == 1 && outcome.runs[0].size() == expected.size()) {
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (outcome.runs[0][i] != expected[i])
                broken += "argument " + std::to_string(i + 1) +
                          difference(outcome.runs[0][i], expected[i]) + "\n";
        }
    } else {
        broken += "the converter ran " + std::to_string(outcome.runs.size()) + " times, with:";
        for (const auto& arguments : outcome.runs)
            broken += shown(arguments) + "\n  --";
        broken += "\n  instead of once, with:" + shown(expected) + "\n";
    }
    // The converter would read it as an option.
    if (expected.back().starts_with('-'))
        broken += "the output begins with a dash\n";
    if (!outcome.strays.empty())
        broken += "something else happened: " + outcome.strays + "\n";
    return broken;
}

} // namespace

void check(ScriptDialect dialect, std::size_t defaultCases, const Runner& run, const Host& host)
{
    // The same cases at every run, so that a run's verdict is the code's alone; "random" draws
    // new ones.
    const char* chosen = std::getenv("VARNELO_PROPERTY_SEED");
    const auto seed = chosen && std::string_view(chosen) == "random"
                          ? static_cast<std::uint64_t>(
                                std::chrono::system_clock::now().time_since_epoch().count() ^
                                std::random_device{}())
                          : variable("VARNELO_PROPERTY_SEED", 1);
    const auto cases = variable("VARNELO_PROPERTY_CASES", defaultCases);
    std::cout << "seed " << seed << ", " << cases << " cases" << std::endl;

    Letters foreign;
    for (const auto letter : Foreign)
        (host.carries(letter) ? foreign.carried : foreign.others).push_back(letter);
    std::map<std::u16string, std::size_t> tally;
    std::size_t failures = 0;
    for (std::uint64_t index = 0; index < cases && failures < 5; ++index) {
        const Case tried = generate(seed + index, dialect, foreign);
        const auto broken = verdict(tried, dialect, run, host, tally);
        if (broken.empty())
            continue;
        ++failures;
        ADD_FAILURE() << broken << "\n  source " << shown(tried.inputs.source) << "\n  target "
                      << shown(tried.inputs.target) << (tried.targetIsFolder ? " (a folder)" : "")
                      << "\n  replay: VARNELO_PROPERTY_SEED=" << seed + index
                      << " VARNELO_PROPERTY_CASES=1";
    }
    for (const auto& [what, count] : tally)
        std::cout << count << "  " << utf8(what) << "\n";
    // A script that refused everything would pass every case.
    if (cases >= 100) {
        EXPECT_GT(tally[u"(reached the converter)"] * 3, cases) << "too few cases were run";
    }
}

std::vector<std::vector<std::string>> readRuns(const std::string& record)
{
    std::vector<std::vector<std::string>> runs;
    std::size_t at = 0;
    const auto next = [&] {
        const auto end = std::min(record.find('\0', at), record.size());
        std::string field = record.substr(at, end - at);
        at = end + 1;
        return field;
    };
    while (at < record.size()) {
        auto& arguments = runs.emplace_back();
        for (auto count = std::strtoul(next().c_str(), nullptr, 10); count > 0; --count)
            arguments.push_back(next());
    }
    return runs;
}

std::string utf8(std::u16string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.size() && text[i + 1] >= 0xdc00 &&
            text[i + 1] < 0xe000)
            c = 0x10000 + ((c - 0xd800) << 10) + (text[++i] - 0xdc00);
        else if (c >= 0xd800 && c < 0xe000)
            c = 0xfffd;
        if (c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        bytes += static_cast<char>(((0xff00 >> (tail + 1)) & 0xff) | (c >> (6 * tail)));
        for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6)
            bytes += static_cast<char>(0x80 | ((c >> shift) & 0x3f));
    }
    return bytes;
}

} // namespace ScriptProperty
