#pragma once

// Small helpers shared by the fuzz targets: the sample tax-rate table the readers resolve
// against, a scratch file for readers that take a path, and a failure that libFuzzer
// records as a crash with its input.

#include "formats/taxfile.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace fuzzinput {

// The shipped sample table (data/ifta.itx), read once.
inline const TaxRateTable &SampleTable()
{
    static const TaxRateTable table = [] {
        TaxRateTable t;
        TaxPeriod period;
        if (!ReadTaxFile(std::string(TOLLMARK_SAMPLE_DATA) + "/ifta.itx", t, period)) {
            std::fprintf(stderr, "fuzz: cannot read the sample tax-rate table\n");
            std::abort();
        }
        return t;
    }();
    return table;
}

// One file of this process that each input is written to in turn, for readers that only
// take a path. Kept in /dev/shm when it exists so the fuzzer does not wear the disk.
class ScratchFile
{
public:
    explicit ScratchFile(const char *suffix)
    {
        const char *folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        path_ = std::string(folder) + "/tollmark-fuzz-" + std::to_string(::getpid()) + suffix;
    }
    ~ScratchFile() { ::unlink(path_.c_str()); }

    // Replaces the file's content by the input; the file is made anew so that a reader
    // that changed it (the profiles store appends) starts clean every time.
    const std::string &write(const uint8_t *data, size_t size)
    {
        ::unlink(path_.c_str());
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || (size > 0 && ::write(fd, data, size) != static_cast<ssize_t>(size))) {
            std::perror("fuzz: scratch file");
            std::abort();
        }
        ::close(fd);
        return path_;
    }
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

// A broken promise of the code under test: stops with the input kept as a crash.
[[noreturn]] inline void Fail(const char *what)
{
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

} // namespace fuzzinput
