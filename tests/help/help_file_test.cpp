// The help file the build put beside the program (and beside this test).
#include <gtest/gtest.h>

#include <string>

#include "framework/resources.h"
#include "help/help_pages.h"
#include "tests/help/chm_archive.h"
#include "ui/help_command.h"

namespace {

TEST(HelpFile, IsACompiledHelpFileHoldingItsContentsIndexAndEveryPage) {
    const chm::Archive archive(HelpFileBeside(ModulePath()));
    const auto& files = archive.Files();
    const auto records = archive.SystemRecords();

    // The viewer finds the contents, the index and the first page through
    // these records; each must name a file the archive holds.
    for (const auto& [code, role] :
         {std::pair{0, "contents"}, {1, "index"}, {2, "default topic"}}) {
        ASSERT_EQ(records.count(code), 1u) << "no " << role << " record";
        const auto file = files.find("/" + records.at(code));
        ASSERT_NE(file, files.end()) << role << " " << records.at(code) << " is not in the file";
        EXPECT_GT(file->second.length, 0u) << role;
    }
    for (const char* page : kHelpPages) {
        const auto file = files.find(std::string("/") + page);
        ASSERT_NE(file, files.end()) << page << " is not in the file";
        EXPECT_GT(file->second.length, 0u) << page;
    }
}

}  // namespace
