#pragma once

// Small helpers of the record-file, tax-file and list tests: temporary folders, whole
// files as bytes, fixture paths, company data set up in place.

#include "records/ciftadoc.h"

#include "platform/platformfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace recordtest {

inline std::string fixture(const std::string &name)
{
    return std::string(TOLLMARK_TEST_DATA) + "/records/" + name;
}

inline std::string sample(const std::string &name)
{
    return std::string(TOLLMARK_SAMPLE_DATA) + "/" + name;
}

// Changes the document's company data in place, as a test's set-up does.
template <class Edit>
void editCompany(CIftaDoc &doc, Edit edit)
{
    CompanyInfo company = doc.company();
    edit(company);
    doc.setCompany(company);
}

inline std::string slurp(const std::string &path)
{
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void spit(const std::string &path, const std::string &bytes)
{
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A fresh folder under the test's temporary directory, removed again at the end.
class TempFolder
{
public:
    TempFolder() { path_ = MakeTemporaryFolder(::testing::TempDir(), "tollmark-records-"); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(PathFromUtf8(path_), std::filesystem::perms::owner_all,
                                     ignored);
        std::filesystem::remove_all(PathFromUtf8(path_), ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::string &path() const { return path_; }
    // `name` in the folder, spelt as the system spells paths ("C:\\...\\name" on Windows).
    std::string file(const std::string &name) const
    {
        return Utf8FromPath(PathFromUtf8(path_) / PathFromUtf8(name));
    }
    size_t entryCount() const
    {
        size_t count = 0;
        for (auto it = std::filesystem::directory_iterator(PathFromUtf8(path_));
             it != std::filesystem::directory_iterator(); ++it)
            ++count;
        return count;
    }

private:
    std::string path_;
};

} // namespace recordtest
