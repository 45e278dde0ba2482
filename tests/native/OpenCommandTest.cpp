// Bounds on buffers of any size, down to none, and the empty buffer a refusal
// leaves are checked by fuzz_open_command (seeds fits_the_buffer_exactly,
// one_byte_over_the_buffer); these are the rewrites of registered commands,
// which it takes as given.
#include "lattice/core/OpenCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace core = lattice::core;

namespace {

// The command line built in a buffer of the product's size; "<refused>" when refused.
std::string Build(const std::string& command, const std::string& target)
{
    std::vector<char> out(core::kOpenCommandBufferSize, 'x');
    return core::BuildOpenCommand(command, target, out.data(), out.size()) ? out.data() : "<refused>";
}

} // namespace

TEST(OpenCommand, PlaceholderRowsKeepTheProgramAppendTheTargetOrRefuse)
{
    const std::string url = "http://example.test/a b?x=\"1\"&y=2";
    EXPECT_EQ(Build("\"C:\\Web\\browse.exe\" \"%1\"", url), "\"C:\\Web\\browse.exe\"  " + url)
        << "quoted %1: cut at the opening quote";
    EXPECT_EQ(Build("C:\\Web\\browse.exe -nohome %1", url), "C:\\Web\\browse.exe -nohome  " + url)
        << "bare %1: cut where it starts";
    EXPECT_EQ(Build("C:\\Web\\browse.exe -nohome", url), "C:\\Web\\browse.exe -nohome " + url)
        << "no %1: kept whole";
    EXPECT_EQ(Build("browse.exe \"%1\" -x \"%1\" %1%1", "t"), "browse.exe  t") << "only the first quoted one counts";
    EXPECT_EQ(Build("browse.exe %1 \"%1\"", "t"), "browse.exe %1  t") << "a quoted %1 is looked for first";
    EXPECT_EQ(Build("browse.exe \"%1", "t"), "browse.exe \" t") << "an unclosed quote is a bare %1";
    // Double-byte program paths pass unchanged (Big5 trail bytes start at 0x40).
    EXPECT_EQ(Build("\"C:\\\xA4\xA4\\b.exe\" \"%1\"", "t"), "\"C:\\\xA4\xA4\\b.exe\"  t");
    // Refused when the target could become the program.
    for (const char* command : {"", "   ", "%1", "\"%1\"", " \"%1\" -x", "\"\" %1", "\"C:\\b.exe %1\""})
        EXPECT_EQ(Build(command, "calc.exe"), "<refused>") << "[" << command << "]";
    EXPECT_EQ(Build("\"C:\\b.exe\" %1", "t"), "\"C:\\b.exe\"  t") << "a closed quoted name is whole";
}
