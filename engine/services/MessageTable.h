#pragma once
#include <span>

// One numbered text of the message table.
struct MessageText {
    unsigned int id;
    const wchar_t* text;
};

// Every user-visible message of the program and the engine, by number: English
// under 40100 to 40324, German under the same number plus 1000. The numbers are
// what the rest of the system cites, so they never change.
class MessageTable {
public:
    static constexpr unsigned int FIRST_ENGLISH = 40100;
    static constexpr unsigned int LAST_ENGLISH = 40324;
    static constexpr unsigned int LANGUAGE_OFFSET = 1000;

    // All entries, sorted by number.
    static std::span<const MessageText> entries();

    // The text stored under id, or nullptr when there is none.
    static const wchar_t* find(unsigned int id);
};
