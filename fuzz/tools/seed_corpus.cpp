// Writes the seeds of a seed list as corpus files, one file per seed.
//
//   seed_corpus LIST FOLDER
//
// A list holds one seed per line: the settings byte in decimal (or, for a
// target with two settings bytes, both, separated by a comma), then the
// payload's fields, all separated by tabs (the fields become lines of the
// payload). "²", "³" and "´" (UTF-8) become the bytes the targets read as
// them; "\n", "\t", "\\" and "\xHH" escape the bytes they name. Empty lines
// and lines starting with "#" are skipped.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {
std::string unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(field[i]);
        if (c == 0xC2 && i + 1 < field.size()) {
            const unsigned char next = static_cast<unsigned char>(field[i + 1]);
            const char mapped = next == 0xB2 ? '\x80' : next == 0xB3 ? '\x81' : next == 0xB4 ? '\x82' : 0;
            if (mapped) {
                out.push_back(mapped);
                ++i;
                continue;
            }
        }
        if (c != '\\' || i + 1 >= field.size()) {
            out.push_back(field[i]);
            continue;
        }
        const char kind = field[++i];
        if (kind == 'n') {
            out.push_back('\n');
        } else if (kind == 't') {
            out.push_back('\t');
        } else if (kind == 'x' && i + 2 < field.size()) {
            out.push_back(static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(kind);
        }
    }
    return out;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: seed_corpus LIST FOLDER\n";
        return 2;
    }
    std::ifstream list(argv[1]);
    if (!list) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    std::string line;
    int count = 0;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        std::string seed;
        const std::string settings = line.substr(0, tab);
        for (std::size_t at = 0; at != std::string::npos;) {
            const std::size_t comma = settings.find(',', at);
            seed.push_back(static_cast<char>(std::stoi(settings.substr(at, comma - at)) & 0xFF));
            at = comma == std::string::npos ? comma : comma + 1;
        }
        std::size_t start = tab == std::string::npos ? line.size() : tab + 1;
        bool first = true;
        while (start <= line.size() && tab != std::string::npos) {
            const std::size_t end = line.find('\t', start);
            if (!first) seed.push_back('\n');
            seed += unescape(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
            first = false;
            if (end == std::string::npos) break;
            start = end + 1;
        }
        char name[32];
        std::snprintf(name, sizeof name, "/seed-%04d", count++);
        std::ofstream(std::string(argv[2]) + name, std::ios::binary) << seed;
    }
    return 0;
}
