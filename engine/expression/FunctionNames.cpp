#include "FunctionNames.h"

#include <array>
#include <vector>

#include "IExpression.h"

namespace {
// The names grouped by their first letter; every name is lower-case ASCII.
class NameIndex {
public:
    NameIndex() {
        for (int i = 0; i < IExpression::s_functions_len; ++i) {
            std::wstring_view name = IExpression::s_functions[i].name;
            if (!name.empty() && name[0] >= L'a' && name[0] <= L'z')
                m_byLetter[name[0] - L'a'].push_back(name);
        }
    }

    bool startsAt(std::wstring_view text, std::size_t pos) const {
        if (pos >= text.size() || text[pos] < L'a' || text[pos] > L'z') return false;
        for (std::wstring_view name : m_byLetter[text[pos] - L'a'])
            if (text.compare(pos, name.size(), name) == 0) return true;
        return false;
    }

private:
    std::array<std::vector<std::wstring_view>, 26> m_byLetter;
};

const NameIndex& index() {
    static const NameIndex s_index;
    return s_index;
}
} // namespace

namespace FunctionNames {
bool startsAt(std::wstring_view text, std::size_t pos) {
    return index().startsAt(text, pos);
}

bool containedIn(std::wstring_view text) {
    const NameIndex& names = index();
    for (std::size_t pos = 0; pos < text.size(); ++pos)
        if (names.startsAt(text, pos)) return true;
    return false;
}
} // namespace FunctionNames
