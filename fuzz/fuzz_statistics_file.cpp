// The statistics calculator's data files as whatever bytes a disk may hold:
// read in x or x/y mode, then written and read again, which must give the
// same points.
//
// Settings, one byte: bit 0 reads the file in x/y mode (pairs), without it
// in x mode. The payload, line breaks included, is the file's bytes.
#include <cstdlib>

#include "FuzzSupport.h"
#include "StatisticsFile.h"

namespace {
void check(bool condition) {
    if (!condition) std::abort();
}

// Nothing that ends a value may be inside one, and no value is empty.
void checkValues(const std::vector<std::wstring>& values) {
    for (const std::wstring& v : values) {
        check(!v.empty() && v.size() <= StatisticsFile::MAX_VALUE);
        check(v.find_first_of(L";\r\n", 0) == std::wstring::npos && v.find(L'\0') == std::wstring::npos);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input(data, size);
    const bool pairs = input.flag(0);
    const StatisticsFile::Data read = StatisticsFile::read(input.payload(), pairs);
    if (read.status != StatisticsFile::Status::Ok) {
        check(read.x.empty() && read.y.empty());
        return 0;
    }
    checkValues(read.x);
    checkValues(read.y);
    check(read.x.size() <= StatisticsFile::MAX_POINTS);
    check(pairs ? read.y.size() == read.x.size() : read.y.empty());

    std::vector<std::wstring> cells;
    for (std::size_t i = 0; i < read.x.size(); ++i) {
        cells.push_back(read.x[i]);
        if (pairs) cells.push_back(read.y[i]);
    }
    const std::string file = StatisticsFile::write(cells);
    check(!file.empty() && file.back() == '\0');
    const StatisticsFile::Data again = StatisticsFile::read(file, pairs);
    check(again.status == StatisticsFile::Status::Ok && again.x == read.x && again.y == read.y);
    return 0;
}
