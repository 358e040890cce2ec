#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The statistics data files: values each followed by ";", point by point, x
// before y, one byte a character, ended by a zero byte. Reading also takes
// what other programs write: line breaks instead of or beside ";", "," as the
// decimal separator, and in x/y mode the spreadsheet form of one "x,y" pair
// a line. Bytes in, values out and back: no file access and no widgets here,
// so the codec is tested and fuzzed on its own.
namespace StatisticsFile {
// A data file larger than this is refused before it is read.
inline constexpr std::size_t MAX_BYTES = 10u * 1024u * 1024u;
// As many points as the statistics settings allow.
inline constexpr std::size_t MAX_POINTS = 10000;
// As many characters as a grid cell keeps.
inline constexpr std::size_t MAX_VALUE = 1000;

enum class Status {
    Ok,
    TooLarge,      // more than MAX_BYTES
    TooManyPoints, // more than MAX_POINTS
    ValueTooLong,  // a value longer than MAX_VALUE
    OddCount,      // x/y mode: a value without its partner
};

struct Data {
    Status status = Status::Ok;
    // The x values and, in x/y mode, the y values of the same points.
    std::vector<std::wstring> x;
    std::vector<std::wstring> y;
};

// How a file's commas are read: as decimal commas (files of other programs)
// or kept as they are (the program's own saved grid, whose cells may hold
// expressions such as "mod(7,3)").
enum class Commas { Decimal, Kept };

// The values of a file in file order: ";", carriage return and line feed end
// a value, "," becomes "." (unless kept), empty values are dropped; a zero
// byte ends the data (the end mark of the files this program writes).
std::vector<std::wstring> tokens(std::string_view bytes, Commas commas = Commas::Decimal);
// Whether bytes are the spreadsheet form of pairs: no ";" and exactly one ","
// on every line that holds anything.
bool commaPairs(std::string_view bytes);
// The points of a file for x mode (pairs false) or x/y mode; on a failure
// status the lists are empty. With commas kept, the spreadsheet form of
// pairs is not looked for.
Data read(std::string_view bytes, bool pairs, Commas commas = Commas::Decimal);
// The file for the cells in point order (x, then y, of each point): every
// non-empty cell followed by ";", each character as its low 8 bits, and the
// zero byte at the end.
std::string write(const std::vector<std::wstring>& cells);
} // namespace StatisticsFile
