// The browser command line: the placeholder is replaced by the quoted target, the target
// stays one argument whatever it holds, and a line that does not fit is refused.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/BrowserCommand.h"

namespace {

std::string Build(const std::string& command, const std::string& target, bool* fits = nullptr)
{
    char line[kBrowserCommandChars];
    std::memset(line, 'x', sizeof line);
    const bool ok = BuildBrowserCommand(command.c_str(), target.c_str(), line, sizeof line);
    if (fits) *fits = ok;
    return line;
}

struct PlaceholderCase {
    const char* command;
    const char* expected;
};

TEST(BrowserCommand, PlaceholderInQuotesAloneOrAbsent)
{
    const PlaceholderCase cases[] = {
        // "%1" in quotes: cut with its quotes, the target goes after one more space.
        {"\"C:\\Program Files\\Browser\\browser.exe\" \"%1\"",
         "\"C:\\Program Files\\Browser\\browser.exe\"  \"mailto:tacknote@example.org\""},
        // What follows the placeholder is dropped.
        {"browser.exe \"%1\" -new-window", "browser.exe  \"mailto:tacknote@example.org\""},
        // %1 alone.
        {"browser.exe -url %1", "browser.exe -url  \"mailto:tacknote@example.org\""},
        {"browser.exe %1 -nohome", "browser.exe  \"mailto:tacknote@example.org\""},
        // No placeholder: the target is appended.
        {"browser.exe -nohome", "browser.exe -nohome \"mailto:tacknote@example.org\""},
        {"", " \"mailto:tacknote@example.org\""},
    };
    for (const PlaceholderCase& c : cases) {
        bool fits = false;
        EXPECT_EQ(c.expected, Build(c.command, "mailto:tacknote@example.org", &fits)) << c.command;
        EXPECT_TRUE(fits) << c.command;
    }
}

// The arguments the C runtime (and every program built with it) reads from a command line.
std::vector<std::wstring> Arguments(const std::string& line)
{
    std::vector<std::wstring> args;
    const std::wstring wide(line.begin(), line.end());
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(wide.c_str(), &count);
    if (!argv) return args;
    for (int i = 0; i < count; ++i)
        args.push_back(argv[i]);
    LocalFree(argv);
    return args;
}

TEST(BrowserCommand, TargetStaysOneArgumentWhateverItHolds)
{
    const char* targets[] = {
        "mailto:tacknote@example.org",
        "http://example.org/a page with spaces",
        "x\" -evil-option \"y",
        "\"",
        "ends in a backslash\\",
        "ends in two\\\\",
        "backslashes before a quote\\\\\" -x",
        "\\\\server\\share\\file.htm",
        "tab\there",
        "",
    };
    for (const char* target : targets) {
        bool fits = false;
        const std::string line = Build("browser.exe \"%1\"", target, &fits);
        ASSERT_TRUE(fits) << target;
        const std::vector<std::wstring> args = Arguments(line);
        ASSERT_EQ(2u, args.size()) << line;
        const std::string text(target);
        EXPECT_EQ(std::wstring(text.begin(), text.end()), args[1]) << line;
    }
}

TEST(BrowserCommand, QuotingEscapesOnlyWhatTheRuntimeReads)
{
    EXPECT_EQ("\"a b\"", QuoteArgument("a b"));
    EXPECT_EQ("\"C:\\dir\\file\"", QuoteArgument("C:\\dir\\file")) << "lone backslashes stay";
    EXPECT_EQ("\"C:\\dir\\\\\"", QuoteArgument("C:\\dir\\"));
    EXPECT_EQ("\"say \\\"hi\\\"\"", QuoteArgument("say \"hi\""));
    EXPECT_EQ("\"a\\\\\\\"b\"", QuoteArgument("a\\\"b"));
}

TEST(BrowserCommand, LineThatDoesNotFitIsRefusedNotCut)
{
    // "b.exe " + target in quotes; the buffer holds 519 characters and the terminator.
    const std::string command = "b.exe";
    const size_t overhead = command.size() + 1 + 2;
    const std::string fitting(kBrowserCommandChars - 1 - overhead, 'a');
    bool fits = false;
    std::string line = Build(command, fitting, &fits);
    EXPECT_TRUE(fits);
    EXPECT_EQ(kBrowserCommandChars - 1, line.size());

    line = Build(command, fitting + "a", &fits);
    EXPECT_FALSE(fits);
    EXPECT_EQ("", line) << "a refused line leaves nothing to run";

    // A registered command as long as the buffer.
    line = Build(std::string(kBrowserCommandChars, 'c'), "t", &fits);
    EXPECT_FALSE(fits);
    EXPECT_EQ("", line);

    // Escaping counts: this target fits raw but not escaped.
    const std::string quotes((kBrowserCommandChars - overhead) / 2, '"');
    line = Build(command, quotes, &fits);
    EXPECT_FALSE(fits);
}

} // namespace
