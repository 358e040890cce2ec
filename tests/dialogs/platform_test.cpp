#include <gtest/gtest.h>

#include "DataExchange.h"
#include "NumberText.h"
#include "Platform.h"
#include "Screen.h"
#include "ScriptedPlatform.h"

TEST(Screen, ClassesAndHiRes) {
    const std::tuple<int, int, ScreenClass> cases[] = {
        {240, 320, ScreenClass::Standard},    {320, 240, ScreenClass::QvgaLandscape},
        {480, 640, ScreenClass::VgaPortrait}, {640, 480, ScreenClass::VgaLandscape},
        {800, 600, ScreenClass::Standard},
    };
    for (const auto& [w, h, expected] : cases)
        EXPECT_EQ(Screen::classify(w, h), expected) << w << "x" << h;
    EXPECT_EQ(Screen::width(), 480) << "the default screen";
    EXPECT_EQ(Screen::height(), 640);
    EXPECT_TRUE(Screen::HiRes());
}

TEST(Screen, ScreenOption) {
    const std::tuple<const char*, bool, int, int> sizes[] = {
        {"320x240", true, 320, 240}, {" 640X480 ", true, 640, 480}, {"0x0", false, 0, 0},
        {"99999x1", false, 0, 0},    {"480", false, 0, 0},          {"480x640x1", false, 0, 0},
        {"-480x640", false, 0, 0},
    };
    for (const auto& [text, ok, w, h] : sizes) {
        int width = 0, height = 0;
        EXPECT_EQ(Screen::parseSize(text, width, height), ok) << text;
        if (ok) {
            EXPECT_EQ(std::make_pair(width, height), std::make_pair(w, h)) << text;
        }
    }
    QString error;
    EXPECT_TRUE(Screen::applyOption({"orvanta", "--screen", "320x240"}, &error));
    EXPECT_EQ(Screen::screenClass(), ScreenClass::QvgaLandscape);
    EXPECT_FALSE(Screen::HiRes());
    EXPECT_TRUE(Screen::applyOption({"orvanta", "--screen=640x480"}));
    EXPECT_EQ(Screen::screenClass(), ScreenClass::VgaLandscape);
    EXPECT_FALSE(Screen::applyOption({"orvanta", "--screen"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(Screen::applyOption({"orvanta", "--screen", "big"}, &error));
    EXPECT_EQ(Screen::width(), 640) << "a bad option changes nothing";
    Screen::setSize(Screen::DEFAULT_WIDTH, Screen::DEFAULT_HEIGHT);
}

TEST(ColorRefs, RedIsTheLowByte) {
    EXPECT_EQ(makeColorRef(255, 0, 0), 0x0000FFul);
    EXPECT_EQ(makeColorRef(0, 0, 255), 0xFF0000ul);
    const ColorRef c = makeColorRef(10, 20, 30);
    EXPECT_EQ(toColorRef(toQColor(c)), c);
    EXPECT_EQ(toQColor(c), QColor(10, 20, 30));
}

TEST(ScriptedPlatformTest, RecordsAndReportsWhatWasNotScripted) {
    std::vector<std::wstring> problems;
    {
        ScriptedPlatform platform;
        EXPECT_EQ(&Platform::messageBox(), &platform.messageBox);
        EXPECT_EQ(Platform::messageBox().show(nullptr, L"a", L"c", MessageIcon::Stop, MessageButtons::Ok),
                  MessageAnswer::Ok);
        platform.messageBox.answer(MessageAnswer::Yes);
        EXPECT_EQ(Platform::messageBox().show(nullptr, L"q", L"c", MessageIcon::None, MessageButtons::YesNo),
                  MessageAnswer::Yes);
        Platform::messageBox().show(nullptr, L"unscripted", L"c", MessageIcon::None, MessageButtons::YesNo);
        ColorRef colour = 5;
        EXPECT_FALSE(Platform::colorPicker().chooseColor(nullptr, colour, {}));
        EXPECT_EQ(colour, 5ul);
        platform.fileDialog.answer(L"/tmp/data.txt");
        std::wstring path = L"proposed";
        EXPECT_TRUE(Platform::fileDialog().saveFile(nullptr, L"Save", L"*.txt", L"txt", path));
        EXPECT_EQ(path, L"/tmp/data.txt");
        EXPECT_EQ(platform.fileDialog.requests().at(0).proposed, L"proposed");
        platform.fileDialog.answer(L"left over");
        problems = platform.problems();
        EXPECT_EQ(platform.messageBox.shown().size(), 3u);
    }
    EXPECT_EQ(problems.size(), 3u); // unanswered question, colour picker, left-over answer
    EXPECT_NE(dynamic_cast<ScriptedMessageBox*>(&Platform::messageBox()), &Platform::messageBox())
        << "the Qt services are back";
}

TEST(NumberTextTest, IndependentOfLocale) {
    EXPECT_EQ(NumberText::general(1.5), "1.5");
    EXPECT_EQ(NumberText::general(-3), "-3");
    EXPECT_EQ(NumberText::general(0.1), "0.1");
    EXPECT_EQ(NumberText::fixed0(500), "500");
    double v = 0;
    EXPECT_TRUE(NumberText::leadingNumber("1-2", v));
    EXPECT_EQ(v, 1.0);
    EXPECT_FALSE(NumberText::leadingNumber(".-5", v));
    EXPECT_TRUE(DataExchange::parseNumber(L" +2.5e1 ", v));
    EXPECT_EQ(v, 25.0);
    long long i = 0;
    EXPECT_TRUE(DataExchange::parseInteger(L"-0032768", i));
    EXPECT_EQ(i, -32768);
}
