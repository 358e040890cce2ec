#include "MessageTable.h"

#include <algorithm>
#include <iterator>

namespace {
// Texts are kept as the users have always seen them, spelling included: stored
// files and scripts compare against some of them.
// One row per text, however long, so that a text reads as one piece.
// clang-format off
constexpr MessageText s_messages[] = {
#include "messages.inc"
};
// clang-format on

constexpr bool idLess(const MessageText& a, const MessageText& b) {
    return a.id < b.id;
}

static_assert(std::is_sorted(std::begin(s_messages), std::end(s_messages), idLess),
              "the message table is searched by binary search and must stay sorted");
static_assert(std::adjacent_find(std::begin(s_messages), std::end(s_messages),
                                 [](const MessageText& a, const MessageText& b) { return a.id == b.id; }) ==
                  std::end(s_messages),
              "every message number is unique");
} // namespace

std::span<const MessageText> MessageTable::entries() {
    return s_messages;
}

const wchar_t* MessageTable::find(unsigned int id) {
    const MessageText key{id, nullptr};
    const auto it = std::lower_bound(std::begin(s_messages), std::end(s_messages), key, idLess);
    return it != std::end(s_messages) && it->id == id ? it->text : nullptr;
}
