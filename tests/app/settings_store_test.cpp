#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "AppTest.h"

namespace fs = std::filesystem;

namespace {
const std::wstring KEY = L"Software\\Orvanta\\Options";

std::string fileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

using SettingsStoreTest = AppTest;
} // namespace

TEST_F(SettingsStoreTest, EveryTextSurvivesTheFile) {
    const std::wstring texts[] = {
        L"",
        L"40047",
        L"quote \" and backslash \\ and = and [x]",
        L"line\r\nbreak\ttab",
        L"Umlaute äöü ß, Grad °, Strich ´",
        L"astral \U0001F600",
        std::wstring(L"control ") + wchar_t(1) + wchar_t(0x7F),
        std::wstring(L"lone half ") + wchar_t(0xD800),
        std::wstring(500, L'x'),
    };
    for (std::size_t i = 0; i < std::size(texts); ++i)
        store().writeString(KEY, L"Value" + std::to_wstring(i), texts[i]);
    store().writeString(L"Software\\Odd \"Key\" = ü", L"name with \" and =", L"v");
    ASSERT_TRUE(store().flush());

    const auto again = reread();
    EXPECT_TRUE(again->movedAside().empty());
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        std::wstring value;
        ASSERT_TRUE(again->readString(KEY, L"Value" + std::to_wstring(i), value, 1 << 16)) << i;
        EXPECT_EQ(value, texts[i]) << i;
    }
    std::wstring odd;
    EXPECT_TRUE(again->readString(L"Software\\Odd \"Key\" = ü", L"name with \" and =", odd));
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SettingsStoreTest, ReadsFailWhenTheTextDoesNotFitTheBuffer) {
    struct Case {
        std::wstring text;
        std::size_t buffer;
        bool fits;
    };
    const Case cases[] = {
        {std::wstring(99, L'a'), 200, true},
        {std::wstring(100, L'a'), 200, false},
        {std::wstring(9, L'4'), 20, true},
        {std::wstring(10, L'4'), 20, false},
        // A character beyond the basic plane takes two units, as it did on the device.
        {std::wstring(97, L'a') + L"\U0001F600", 200, true},
        {std::wstring(98, L'a') + L"\U0001F600", 200, false},
        {L"", 2, true},
    };
    for (const Case& c : cases) {
        store().writeString(KEY, L"v", c.text);
        std::wstring value = L"untouched";
        EXPECT_EQ(store().readString(KEY, L"v", value, c.buffer), c.fits)
            << c.text.size() << " in " << c.buffer;
        EXPECT_EQ(value, c.fits ? c.text : L"untouched");
    }
}

TEST_F(SettingsStoreTest, MissingKeysAndValuesFailAndWritingCreatesThem) {
    std::wstring value;
    EXPECT_FALSE(store().readString(KEY, L"NumMode", value));
    EXPECT_TRUE(store().writeString(L"Software\\Orvanta\\New\\Deep", L"x", L"1"));
    EXPECT_TRUE(store().readString(L"Software\\Orvanta\\New\\Deep", L"x", value));
    EXPECT_FALSE(store().readString(L"Software\\Orvanta\\New\\Deep", L"y", value));
    EXPECT_FALSE(store().readString(L"Software\\Orvanta\\New", L"x", value));
    EXPECT_FALSE(store().writeString(L"", L"x", L"1"));
    EXPECT_FALSE(store().writeString(KEY, L"", L"1"));
}

TEST_F(SettingsStoreTest, AFailureBeforeTheRenameKeepsTheOldFile) {
    store().writeString(KEY, L"Language", L"0");
    ASSERT_TRUE(store().flush());
    const std::string before = fileText(store().filePath());

    store().writeString(KEY, L"Language", L"1");
    fs::path temporary;
    store().setBeforeReplace([&](const fs::path& t) {
        temporary = t;
        EXPECT_NE(fileText(t), before) << "the new settings are complete before the rename";
        return false;
    });
    EXPECT_FALSE(store().flush());
    EXPECT_EQ(fileText(store().filePath()), before);
    EXPECT_FALSE(fs::exists(temporary)) << "no temporary file is left behind";
    EXPECT_EQ(persisted(KEY, L"Language"), L"0");

    store().setBeforeReplace({});
    EXPECT_TRUE(store().flush()) << "the change is still pending";
    EXPECT_EQ(persisted(KEY, L"Language"), L"1");
}

TEST_F(SettingsStoreTest, AnUnchangedStoreDoesNotRewriteTheFile) {
    store().writeString(KEY, L"Language", L"0");
    ASSERT_TRUE(store().flush());
    fs::remove(store().filePath());
    store().writeString(KEY, L"Language", L"0");
    EXPECT_TRUE(store().flush());
    EXPECT_FALSE(fs::exists(store().filePath()));
}

TEST_F(SettingsStoreTest, AHandEditedFileIsRead) {
    writeFile(configFolder() / SettingsStore::FILE_NAME, "\xEF\xBB\xBF# edited by hand\r\n"
                                                         "\r\n"
                                                         "  [Software\\Orvanta\\Options]  \r\n"
                                                         "\"Language\" = \"1\"\r\n"
                                                         "\t\"UseJ\"=\"yes\"\n"
                                                         "[Software\\Orvanta]\n"
                                                         "\"LastView\"=\"40045\"");
    std::wstring value;
    EXPECT_TRUE(store().readString(KEY, L"Language", value));
    EXPECT_EQ(value, L"1");
    EXPECT_TRUE(store().readString(KEY, L"UseJ", value));
    EXPECT_EQ(value, L"yes");
    EXPECT_TRUE(store().readString(L"Software\\Orvanta", L"LastView", value));
    EXPECT_EQ(value, L"40045");
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SettingsStoreTest, ADamagedFileIsMovedAsideWithOneMessage) {
    const std::string damaged[] = {
        "just some text",
        "\"Language\"=\"0\"",                               // a value before any key
        "[Software\\Orvanta]\n\"Language\"=\"0",            // no closing quote
        "[Software\\Orvanta]\n\"Language\"=\"\\q\"",        // unknown escape
        "[Software\\Orvanta]\n\"Language\"=\"0\" trailing", // text after the value
        "[Software\\Orvanta]\n\"Language\"=\"\xff\"",       // not UTF-8
        "[]\n",                                             // empty key
        "[Software\\Orvanta]\n\"\"=\"0\"",                  // empty value name
    };
    for (const std::string& text : damaged) {
        fs::remove_all(configFolder());
        const fs::path file = configFolder() / SettingsStore::FILE_NAME;
        writeFile(file, text);
        {
            SettingsStore damagedStore(configFolder());
            std::wstring value;
            EXPECT_FALSE(damagedStore.readString(L"Software\\Orvanta", L"Language", value)) << text;
            ASSERT_FALSE(damagedStore.movedAside().empty()) << text;
            EXPECT_EQ(fileText(damagedStore.movedAside()), text) << "the user's file is kept";
            EXPECT_FALSE(fs::exists(file));
            const auto shown = m_platform.messageBox.shown();
            ASSERT_EQ(shown.size(), 1u) << text;
            EXPECT_EQ(shown[0].icon, MessageIcon::Exclamation);
            EXPECT_NE(shown[0].text.find(damagedStore.movedAside().filename().wstring()), std::wstring::npos);
            m_platform.messageBox.clear();

            damagedStore.writeString(KEY, L"Language", L"1");
            EXPECT_TRUE(damagedStore.flush());
        }
        EXPECT_EQ(persisted(KEY, L"Language"), L"1") << "a fresh file replaces the damaged one";
        EXPECT_TRUE(m_platform.messageBox.shown().empty()) << "the message comes once";
    }
}

TEST_F(SettingsStoreTest, EveryDamagedFileIsKept) {
    const fs::path file = configFolder() / SettingsStore::FILE_NAME;
    writeFile(file, "first damage");
    const fs::path first = SettingsStore(configFolder()).movedAside();
    writeFile(file, "second damage");
    const fs::path second = SettingsStore(configFolder()).movedAside();
    writeFile(file, std::string(SettingsStore::MAX_FILE_BYTES + 1, '#'));
    const fs::path third = SettingsStore(configFolder()).movedAside();
    EXPECT_EQ(fileText(first), "first damage");
    EXPECT_EQ(fileText(second), "second damage");
    EXPECT_FALSE(third.empty()) << "an oversized file is not ours either";
    EXPECT_NE(first, second);
    EXPECT_EQ(takeMessages().size(), 3u);
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsNeverOverwritten) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const fs::path file = configFolder() / SettingsStore::FILE_NAME;
    writeFile(file, "[Software\\Orvanta]\n\"LastView\"=\"40045\"\n");
    fs::permissions(file, fs::perms::none);
    SettingsStore locked(configFolder());
    EXPECT_FALSE(locked.writable());
    EXPECT_EQ(takeMessages().size(), 1u);
    locked.writeString(KEY, L"Language", L"1");
    EXPECT_FALSE(locked.flush());
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fileText(file), "[Software\\Orvanta]\n\"LastView\"=\"40045\"\n");
}

TEST_F(SettingsStoreTest, TheFolderComesFromTheEnvironment) {
    {
        ScopedEnv config("ORVANTA_CONFIG_DIR", "/tmp/orvanta-test-config");
        EXPECT_EQ(SettingsStore::defaultFolder(), fs::path("/tmp/orvanta-test-config"));
    }
    ScopedEnv config("ORVANTA_CONFIG_DIR", nullptr);
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(SettingsStore::defaultFolder(), fs::path("/tmp/xdg/orvanta"));
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", "/tmp/home");
    EXPECT_EQ(SettingsStore::defaultFolder(), fs::path("/tmp/home/.config/orvanta"));
}

TEST_F(SettingsStoreTest, ALinkedFileStaysALinkAndPlantedLinksAreNotFollowed) {
    const fs::path real = configFolder() / "real.conf";
    const fs::path victim = configFolder() / "victim";
    writeFile(real, "");
    writeFile(victim, "precious");
    fs::create_symlink("real.conf", store().filePath());
    // The name the temporary file once had, planted by someone else.
    fs::create_symlink(victim, configFolder() / "settings.conf.tmp");
    store().writeString(KEY, L"Language", L"1");
    ASSERT_TRUE(store().flush());
    EXPECT_TRUE(fs::is_symlink(store().filePath()));
    EXPECT_EQ(persisted(KEY, L"Language"), L"1");
    EXPECT_NE(fileText(real).find("\"Language\"=\"1\""), std::string::npos);
    EXPECT_EQ(fileText(victim), "precious");
}

TEST_F(SettingsStoreTest, TwoProgramsSavingAtOnceNeverMixTheirFiles) {
    constexpr int SAVES = 150;
    // Each writer saves two texts by turns; any other text is a mix.
    std::vector<std::unique_ptr<SettingsStore>> writers;
    std::vector<std::string> whole;
    for (int who = 0; who < 2; ++who) {
        writers.push_back(std::make_unique<SettingsStore>(configFolder()));
        // Different lengths, so that a mix of the two would show.
        writers.back()->writeString(KEY, L"Writer", std::wstring(200 + 300 * who, who ? L'b' : L'a'));
        for (const wchar_t* round : {L"1", L"0"}) {
            writers.back()->writeString(KEY, L"Round", round);
            whole.push_back(writers.back()->serialize());
        }
    }
    std::vector<pid_t> children;
    for (auto& writer : writers) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0; i < SAVES; ++i) {
                writer->writeString(KEY, L"Round", std::to_wstring(i % 2));
                writer->flush();
            }
            _exit(0);
        }
        children.push_back(child);
    }
    const fs::path file = configFolder() / SettingsStore::FILE_NAME;
    int seen = 0;
    for (bool running = true; running;) {
        running = false;
        for (pid_t child : children)
            running = running || waitpid(child, nullptr, WNOHANG) == 0;
        const std::string text = fileText(file);
        if (text.empty()) continue;
        ++seen;
        EXPECT_NE(std::find(whole.begin(), whole.end(), text), whole.end()) << text.size();
    }
    for (pid_t child : children)
        waitpid(child, nullptr, 0);
    EXPECT_GT(seen, 0);
    int others = 0;
    for (const auto& entry : fs::directory_iterator(configFolder()))
        others += entry.path().filename() != SettingsStore::FILE_NAME;
    EXPECT_EQ(others, 0) << "no temporary file is left behind";
}

TEST_F(SettingsStoreTest, APipeUnderTheNameDoesNotHang) {
    fs::create_directories(configFolder());
    ASSERT_EQ(mkfifo((configFolder() / SettingsStore::FILE_NAME).c_str(), 0600), 0);
    SettingsStore piped(configFolder());
    EXPECT_FALSE(piped.movedAside().empty());
    EXPECT_EQ(takeMessages().size(), 1u);
}

TEST_F(SettingsStoreTest, WithoutAHomeNothingIsStored) {
    ScopedEnv config("ORVANTA_CONFIG_DIR", nullptr);
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(SettingsStore::defaultFolder(), fs::path(user->pw_dir) / ".config" / "orvanta");

    SettingsStore nowhere{fs::path()};
    EXPECT_FALSE(nowhere.writable());
    EXPECT_EQ(takeMessages().size(), 1u);
    nowhere.writeString(KEY, L"Language", L"1");
    EXPECT_FALSE(nowhere.flush());
    EXPECT_FALSE(fs::exists(SettingsStore::FILE_NAME)) << "never the current folder";
}
