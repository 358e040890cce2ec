#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "DataFile.h"
#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

// Test names from the name field of a case table's rows.
struct CaseNamer {
    template <class Info> std::string operator()(const Info& info) const {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    }
};
inline constexpr CaseNamer caseName;

// An engine whose data folder is a fresh temporary folder, removed afterwards;
// message boxes are collected instead of shown.
class DataFolderTest : public ReportingTest {
protected:
    struct Box {
        std::wstring text;
        OrvantaCalcBase::MessageIcon icon;
    };

    void SetUp() override {
        ReportingTest::SetUp();
        std::random_device random;
        folder = std::filesystem::temp_directory_path() / ("orvanta-test-" + std::to_string(random()));
        std::filesystem::create_directories(folder);
        calc = std::make_unique<OrvantaCalcBase>();
        calc->setDataFolder(folder);
        OrvantaCalcBase::setMessageBoxHandler(
            [this](const std::wstring& text, OrvantaCalcBase::MessageIcon icon) {
                boxes.push_back({text, icon});
            });
    }

    void TearDown() override {
        DataFile::s_before_rename = nullptr;
        calc.reset();
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(folder, ignored);
        ReportingTest::TearDown();
    }

    std::string readFile(const char* name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void writeFile(const char* name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    void writeText(const char* name, const std::wstring& text) const {
        writeFile(name, DataFile::encodeUtf16Le(text));
    }
    std::wstring readText(const char* name) const {
        std::wstring text;
        EXPECT_TRUE(DataFile::decodeUtf16Le(readFile(name), text));
        return text;
    }

    std::filesystem::path folder;
    std::unique_ptr<OrvantaCalcBase> calc;
    std::vector<Box> boxes;
};
