// tollmark-bench-record LINES PATH: writes the benchmarks' record file of LINES trip lines
// (the quarter of benchrecords.h) to PATH, for the scripts that time whole processes.

#include "benchrecords.h"
#include "formats/recordfile.h"
#include "records/ciftadoc.h"

#include <charconv>
#include <cstring>
#include <iostream>

int main(int argc, char **argv)
{
    size_t lines = 0;
    const char *end = argc == 3 ? argv[1] + std::strlen(argv[1]) : nullptr;
    if (argc != 3 || std::from_chars(argv[1], end, lines).ptr != end || lines == 0) {
        std::cerr << "usage: tollmark-bench-record LINES PATH\n";
        return 2;
    }
    CIftaDoc doc;
    bench::FillEntries(doc, lines);
    const Result written = WriteRecordFile(doc, argv[2]);
    if (!written) {
        std::cerr << written.message << '\n';
        return 1;
    }
    return 0;
}
